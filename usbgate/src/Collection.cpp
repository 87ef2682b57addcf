#include "Collection.h"

namespace usbgate {
namespace {

// Usage page and usage of each collection, indexed by Collection.
constexpr CollectionUsage kUsages[kCollectionCount] = {
    {0xFF1C, 0x0092},  // vendor command collection
    {0x000C, 0x0001},  // consumer collection
    {0x0008, 0x0089},  // status collection
};

uint32_t readLe(const uint8_t *bytes, int width) {
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

std::optional<Collection> collectionOfUsage(uint16_t usagePage, uint16_t usage) {
    for (size_t i = 0; i < kCollectionCount; ++i) {
        if (kUsages[i].usagePage == usagePage && kUsages[i].usage == usage) {
            return static_cast<Collection>(i);
        }
    }
    return std::nullopt;
}

std::optional<Collection> collectionOfUnit(const uint8_t *unit) {
    if (unit == nullptr) return std::nullopt;
    if (readLe(unit, 4) != 15 || readLe(unit + 12, 4) != 0) return std::nullopt;
    if (readLe(unit + 4, 2) != kVendorId || readLe(unit + 6, 2) != kProductId) return std::nullopt;
    return collectionOfUsage(static_cast<uint16_t>(readLe(unit + 8, 2)),
                             static_cast<uint16_t>(readLe(unit + 10, 2)));
}

}  // namespace usbgate
