// Binds libUsbgate.so with its hidraw backend, as the application does, and
// prints how many keyboard command units it can reach. Run by PermissionTest
// as an unprivileged user.
#include <cstdio>
#include <cstdlib>

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
    std::_Exit(0);  // the library stays loaded until the process ends
}
