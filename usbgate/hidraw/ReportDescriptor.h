// Finds, in a HID report descriptor, the report ids of the keyboard's collections.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "../src/Collection.h"

namespace usbgate::hidraw {

struct CollectionReports {
    Collection collection;
    uint8_t reportId;     // 0 when the descriptor numbers no reports
    size_t inputBytes;    // largest input report, without the id
    size_t outputBytes;   // largest output report, without the id
    size_t featureBytes;  // largest feature report, without the id
};

// The application collections of the descriptor that are ours, in order.
// Malformed or truncated descriptors yield what was found before the fault.
std::vector<CollectionReports> parseReportDescriptor(std::span<const uint8_t> descriptor);

}  // namespace usbgate::hidraw
