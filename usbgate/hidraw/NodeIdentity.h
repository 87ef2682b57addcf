// What sysfs tells about one hidraw node: the HID device's ids and its report
// descriptor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace usbgate::hidraw {

struct NodeIdentity {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::vector<uint8_t> descriptor;
};

// Reads <syspath>/device/uevent (HID_ID=bus:vendor:product) and
// <syspath>/device/report_descriptor; empty when either is missing or malformed.
std::optional<NodeIdentity> readNodeIdentity(const std::string &syspath);

}  // namespace usbgate::hidraw
