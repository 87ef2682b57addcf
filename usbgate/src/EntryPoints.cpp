// The twelve exported entry points. Each request is refused (result 0) unless
// its unit names one of the keyboard's collections and its check value matches.
#include <optional>

#include "Collection.h"
#include "Diagnostics.h"
#include "Library.h"
#include "usbgate.h"

#define USBGATE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using usbgate::Collection;
using usbgate::Library;

constexpr uint32_t kMaxDataLength = USBGATE_REPORT_SIZE;

std::optional<Collection> acceptRequest(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                                        const uint8_t *data, uint32_t length, uint32_t check) {
    std::optional<Collection> collection = usbgate::collectionOfUnit(unit);
    if (!collection) {
        usbgate::diagnose(usbgate::Level::Info, "request refused: unknown unit identifier");
        return std::nullopt;
    }
    if (data == nullptr && length != 0) return std::nullopt;
    if (usbgate_check_value(unit, callback, tag, data, length) != check) {
        usbgate::diagnose(usbgate::Level::Info, "request refused: check value mismatch");
        return std::nullopt;
    }
    return collection;
}

// A request that carries data: accepted as above, with 1 to a report's size of bytes.
std::optional<Collection> acceptData(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                                     const uint8_t *data, uint32_t length, uint32_t check) {
    std::optional<Collection> collection = acceptRequest(unit, callback, tag, data, length, check);
    if (length == 0 || length > kMaxDataLength) return std::nullopt;
    return collection;
}

int32_t handOut(uint32_t id, uint32_t *requestId) {
    if (id == 0) return 0;
    if (requestId) *requestId = id;
    return 1;
}

}  // namespace

USBGATE_EXPORT int32_t Debug(int32_t level) {
    if (level == USBGATE_QUERY_DENIED_NODES) {
        return static_cast<int32_t>(Library::instance().deniedNodeCount());
    }
    return usbgate::setDiagnosticLevel(level);
}

USBGATE_EXPORT int32_t Init(int32_t /*flags*/) {
    return Library::instance().init();
}

USBGATE_EXPORT int32_t End(void) {
    return Library::instance().end();
}

USBGATE_EXPORT int32_t RequestGetDeviceCount(const uint8_t *unit, UsbgateCallback callback,
                                             uint32_t tag, uint32_t check, uint32_t *requestId) {
    auto collection = acceptRequest(unit, callback, tag, nullptr, 0, check);
    if (!collection) return 0;
    if (requestId) *requestId = 0;
    return static_cast<int32_t>(Library::instance().deviceCount(*collection));
}

USBGATE_EXPORT int32_t DeleteRequestFromUnitId(uint32_t requestId) {
    return Library::instance().removeRequest(requestId) ? 1 : 0;
}

USBGATE_EXPORT int32_t DeleteRequestFromHandle(void *handle) {
    return Library::instance().removeRequestsOf(reinterpret_cast<UsbgateCallback>(handle));
}

USBGATE_EXPORT int32_t RequestWrite(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                                    const uint8_t *data, uint32_t length, uint32_t check,
                                    uint32_t *requestId) {
    auto collection = acceptData(unit, callback, tag, data, length, check);
    if (!collection) return 0;
    return handOut(Library::instance().writeWithAnswer(*collection, callback, tag, data, length),
                   requestId);
}

USBGATE_EXPORT int32_t RequestWriteOne(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                                       const uint8_t *data, uint32_t length, uint32_t check,
                                       uint32_t *requestId) {
    auto collection = acceptData(unit, callback, tag, data, length, check);
    if (!collection) return 0;
    if (!Library::instance().writeReport(*collection, data, length)) return 0;
    if (requestId) *requestId = 0;
    return 1;
}

USBGATE_EXPORT int32_t RequestStatusWrite(const uint8_t *unit, UsbgateCallback callback,
                                          uint32_t tag, const uint8_t *data, uint32_t length,
                                          uint32_t check, uint32_t *requestId) {
    auto collection = acceptData(unit, callback, tag, data, length, check);
    if (!collection) return 0;
    return handOut(Library::instance().statusWrite(*collection, callback, tag, data, length),
                   requestId);
}

USBGATE_EXPORT int32_t RequestStatusGet(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                                        uint32_t check, uint32_t *requestId) {
    auto collection = acceptRequest(unit, callback, tag, nullptr, 0, check);
    if (!collection) return 0;
    return handOut(Library::instance().statusGet(*collection, callback, tag), requestId);
}

USBGATE_EXPORT int32_t RequestAsyncRead(const uint8_t *unit, UsbgateCallback callback, uint32_t tag,
                                        uint32_t check, uint32_t *requestId) {
    auto collection = acceptRequest(unit, callback, tag, nullptr, 0, check);
    if (!collection || callback == nullptr) return 0;
    return handOut(Library::instance().addAsyncRead(*collection, callback, tag), requestId);
}

USBGATE_EXPORT int32_t RequestStatusSetFeature(const uint8_t *unit, UsbgateCallback callback,
                                               uint32_t tag, const uint8_t *data, uint32_t length,
                                               uint32_t check, uint32_t *requestId) {
    auto collection = acceptData(unit, callback, tag, data, length, check);
    if (!collection) return 0;
    return handOut(Library::instance().setFeature(*collection, callback, tag, data, length),
                   requestId);
}
