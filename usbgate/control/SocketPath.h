// Where a running simulated keyboard listens for control commands.
#pragma once

#include <sys/un.h>

#include <string>

namespace usbgate {

// $USBGATE_SIM_SOCKET, else $XDG_RUNTIME_DIR/usbgate-sim.sock, else
// /tmp/usbgate-sim-<uid>.sock.
std::string simulatorSocketPath();

// Fills a Unix socket address for `path`; false when the path does not fit.
bool fillSocketAddress(const std::string &path, sockaddr_un &address);

}  // namespace usbgate
