// What the library needs from a way of reaching the keyboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Collection.h"

namespace usbgate {

// Receives what a backend hears from the keyboard. Called from backend threads;
// implementations must not call back into the backend while handling it.
class BackendSink {
public:
    virtual ~BackendSink() = default;
    // One input report (without a report id prefix for the consumer collection).
    virtual void onReport(Collection collection, const uint8_t *bytes, size_t length) = 0;
    // The number of keyboards on the vendor command collection changed.
    virtual void onDeviceCountChanged(uint32_t vendorCount) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Opens the backend; true when it is ready (a keyboard need not be present).
    virtual bool start(BackendSink &sink) = 0;
    virtual void stop() = 0;
    virtual uint32_t deviceCount(Collection collection) = 0;
    // Keyboard nodes that are present but could not be opened for lack of permission.
    virtual uint32_t deniedNodeCount() { return 0; }
    // Writes one output report to the collection; false when it could not be sent.
    virtual bool writeReport(Collection collection, const uint8_t *bytes, size_t length) = 0;
    virtual bool setFeature(Collection collection, const uint8_t *bytes, size_t length) = 0;
    // Reads the collection's current status bytes, in the shape writeReport takes them.
    virtual bool getStatus(Collection collection, std::vector<uint8_t> &bytes) = 0;
};

}  // namespace usbgate
