// The device library, bound once per process: a bound library stays loaded and
// initialised until the process ends, since its callback thread may run at any time.
#pragma once

#include <string>

namespace devicelink {

class UsbgateLibrary;

// The library beside the executable, bound on the first call; nullptr when it
// cannot be loaded, misses an entry point or refuses to initialise (`detail`
// then says what failed).
const UsbgateLibrary *sharedUsbgate(std::string &detail);

}  // namespace devicelink
