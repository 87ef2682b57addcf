#include "NodeIdentity.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace usbgate::hidraw {
namespace {

constexpr size_t kMaxDescriptorSize = 4096;  // HID_MAX_DESCRIPTOR_SIZE

bool parseHidId(const std::string &line, NodeIdentity &identity) {
    unsigned bus = 0, vendor = 0, product = 0;
    char tail = 0;
    if (std::sscanf(line.c_str(), "HID_ID=%x:%x:%x%c", &bus, &vendor, &product, &tail) != 3) {
        return false;
    }
    if (vendor > 0xFFFF || product > 0xFFFF) return false;
    identity.vendorId = static_cast<uint16_t>(vendor);
    identity.productId = static_cast<uint16_t>(product);
    return true;
}

}  // namespace

std::optional<NodeIdentity> readNodeIdentity(const std::string &syspath) {
    NodeIdentity identity;
    std::ifstream uevent(syspath + "/device/uevent");
    bool haveIds = false;
    for (std::string line; !haveIds && std::getline(uevent, line);) {
        haveIds = line.rfind("HID_ID=", 0) == 0 && parseHidId(line, identity);
    }
    if (!haveIds) return std::nullopt;
    std::ifstream descriptor(syspath + "/device/report_descriptor", std::ios::binary);
    if (!descriptor) return std::nullopt;
    identity.descriptor.assign(std::istreambuf_iterator<char>(descriptor),
                               std::istreambuf_iterator<char>());
    if (identity.descriptor.empty() || identity.descriptor.size() > kMaxDescriptorSize) {
        return std::nullopt;
    }
    return identity;
}

}  // namespace usbgate::hidraw
