#include "SocketPath.h"

#include <unistd.h>

#include <cstdlib>

namespace usbgate {

std::string simulatorSocketPath() {
    const char *explicitPath = std::getenv("USBGATE_SIM_SOCKET");
    if (explicitPath != nullptr && *explicitPath != '\0') return explicitPath;
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') return std::string(runtime) + "/usbgate-sim.sock";
    return "/tmp/usbgate-sim-" + std::to_string(getuid()) + ".sock";
}

}  // namespace usbgate
