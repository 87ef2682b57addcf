// Why a keyboard may be plugged in yet not found: its hidraw nodes exist but
// this user may not open them (the udev rule that grants access is missing).
#pragma once

#include <filesystem>
#include <vector>

namespace cli {

// The keyboard's hidraw nodes (USB 0C45:5004) listed under the sysfs class
// folder that the calling user cannot open for reading and writing.
std::vector<std::filesystem::path> unopenableKeyboardNodes(
    const std::filesystem::path &hidrawClass = "/sys/class/hidraw",
    const std::filesystem::path &deviceFolder = "/dev");

}  // namespace cli
