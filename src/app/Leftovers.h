// What an instance that ended without its shutdown (a crash, `kill -9`, a power
// cut) leaves behind, cleaned by the next first instance before it creates its
// own: the names of the named events, and temporary files of settings writes that
// never reached their rename. The stale channel socket is replaced when the new
// instance listens, and the lock file itself is harmless.
#pragma once

namespace app {

// Only the holder of the instance lock may call this: then no other instance
// owns the names or is writing the files.
void removeLeftoversOfEndedInstance();

}  // namespace app
