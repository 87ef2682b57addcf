// Where a running simulated keyboard listens for control commands.
#pragma once

#include <string>

namespace usbgate {

// $USBGATE_SIM_SOCKET, else $XDG_RUNTIME_DIR/usbgate-sim.sock, else
// /tmp/usbgate-sim-<uid>.sock.
std::string simulatorSocketPath();

}  // namespace usbgate
