// The keyboard's three HID collections and the unit identifiers that name them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace usbgate {

inline constexpr uint16_t kVendorId = 0x0C45;
inline constexpr uint16_t kProductId = 0x5004;

enum class Collection : uint8_t { Vendor = 0, Consumer = 1, Status = 2 };
inline constexpr size_t kCollectionCount = 3;

struct CollectionUsage {
    uint16_t usagePage;
    uint16_t usage;
};

// The collection with this usage page and usage, if it is one of the three.
std::optional<Collection> collectionOfUsage(uint16_t usagePage, uint16_t usage);

// Reads a 16-byte unit identifier (u32 15, vendor, product, usage page, usage,
// u32 0, little-endian); empty when it does not name one of our collections.
std::optional<Collection> collectionOfUnit(const uint8_t *unit);

}  // namespace usbgate
