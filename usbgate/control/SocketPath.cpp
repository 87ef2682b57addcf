#include "SocketPath.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace usbgate {

std::string simulatorSocketPath() {
    const char *explicitPath = std::getenv("USBGATE_SIM_SOCKET");
    if (explicitPath != nullptr && *explicitPath != '\0') return explicitPath;
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') return std::string(runtime) + "/usbgate-sim.sock";
    return "/tmp/usbgate-sim-" + std::to_string(getuid()) + ".sock";
}

bool fillSocketAddress(const std::string &path, sockaddr_un &address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool someoneListens(const sockaddr_un &address, int type) {
    int probe = socket(AF_UNIX, type | SOCK_CLOEXEC, 0);
    if (probe < 0) return false;
    bool live = connect(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(probe);
    return live;
}

}  // namespace usbgate
