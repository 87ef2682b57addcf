// The simulated keyboard's memory as readable text.
#pragma once

#include <string>

#include "DeviceMemory.h"

namespace usbgate::sim {

// Info block, parameter records, key-map pages, decoded macro area and key
// colours; every line ends with a newline.
std::string dumpMemory(const DeviceMemory &memory);

}  // namespace usbgate::sim
