#include "cli/NodeAccess.h"

#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>

namespace cli {
namespace {

// The uevent line of a HID device on the USB bus with the keyboard's ids.
constexpr std::string_view kKeyboardHidId = "HID_ID=0003:00000C45:00005004";

bool isKeyboardNode(const std::filesystem::path &classEntry) {
    std::ifstream uevent(classEntry / "device" / "uevent");
    for (std::string line; std::getline(uevent, line);) {
        if (line == kKeyboardHidId) return true;
    }
    return false;
}

}  // namespace

std::vector<std::filesystem::path> unopenableKeyboardNodes(
    const std::filesystem::path &hidrawClass, const std::filesystem::path &deviceFolder) {
    std::vector<std::filesystem::path> refused;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(hidrawClass, error)) {
        if (!isKeyboardNode(entry.path())) continue;
        const std::filesystem::path node = deviceFolder / entry.path().filename();
        if (::access(node.c_str(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM))
            refused.push_back(node);
    }
    return refused;
}

}  // namespace cli
