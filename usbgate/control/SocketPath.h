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

// Whether a process listens on the Unix socket at `address`, of socket `type`
// (SOCK_STREAM, SOCK_SEQPACKET): a socket file alone proves nothing, it stays
// behind when its server ends.
bool someoneListens(const sockaddr_un &address, int type);

}  // namespace usbgate
