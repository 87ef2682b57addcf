// Finds, in a HID report descriptor, the report ids of the keyboard's collections.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "../src/Collection.h"

namespace usbgate::hidraw {

// The longest report, without its id, a descriptor may declare: with its id it
// fills 4096 bytes, the HID core's report buffer in older kernels (newer ones
// take up to 16 KiB) and the buffer the node's reader reads into. The
// keyboard's own reports are 64 bytes; a descriptor declaring a longer report
// than this is malformed.
inline constexpr size_t kMaxReportBytes = 4095;

struct CollectionReports {
    Collection collection;
    uint8_t reportId;     // 0 when the descriptor numbers no reports
    size_t inputBytes;    // largest input report, without the id
    size_t outputBytes;   // largest output report, without the id
    size_t featureBytes;  // largest feature report, without the id
};

// The application collections of the descriptor that are ours, in order.
// Malformed or truncated descriptors yield the collections closed before the
// fault; so does a report longer than kMaxReportBytes.
std::vector<CollectionReports> parseReportDescriptor(std::span<const uint8_t> descriptor);

}  // namespace usbgate::hidraw
