// A change to the per-user files or the keyboard made while a varnel window
// may be running. The change runs under the per-user files lock, which the
// window holds while it has unapplied key changes; afterwards the window is
// told over its local channel to re-read what changed, so neither side's
// update is lost. When that cannot be promised the change is refused before
// anything is touched.
#pragma once

#include <memory>

namespace platform {
class InstanceLock;
}

namespace cli {

class SharedChange {
public:
    // Takes the lock (waiting a moment for another varnelctl); fails with
    // "file error" when the window holds it, or when a running window does
    // not answer on its channel.
    SharedChange();
    // Tells a running window to re-read, whether or not the change completed.
    ~SharedChange();
    SharedChange(const SharedChange &) = delete;
    SharedChange &operator=(const SharedChange &) = delete;

private:
    std::unique_ptr<platform::InstanceLock> filesLock_;
    bool windowRuns_ = false;
};

}  // namespace cli
