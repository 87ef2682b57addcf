// Binds libUsbgate.so with its hidraw backend, as the application does, and
// prints how many keyboard command units it can reach; then, while none, waits
// up to 10 s for access to be given and prints the count again. Run by
// PermissionTest as an unprivileged user.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "devicelink/UnitId.h"
#include "devicelink/UsbgateLibrary.h"

int main() {
    setenv("USBGATE_BACKEND", "hidraw", 1);
    devicelink::BindResult bound = devicelink::bindUsbgate();
    if (!bound.library) {
        std::printf("not bound: %s\n", bound.detail.c_str());
        return 1;
    }
    std::printf("command units: %u\n", bound.library->deviceCount(devicelink::kCommandUnit));
    std::fflush(stdout);
    std::uint32_t count = 0;
    for (int wait = 0; wait < 200 && count == 0; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        count = bound.library->deviceCount(devicelink::kCommandUnit);
    }
    std::printf("command units after the change: %u\n", count);
    std::fflush(stdout);
    std::_Exit(0);  // the library stays loaded until the process ends
}
