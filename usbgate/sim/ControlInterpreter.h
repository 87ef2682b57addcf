// The text commands of the simulator's control channel.
#pragma once

#include <string>

namespace usbgate::sim {

class SimulatorBackend;

// Runs one command line; the reply's last line is "OK" or "ERR <reason>".
std::string interpretControlLine(SimulatorBackend &simulator, const std::string &line);

}  // namespace usbgate::sim
