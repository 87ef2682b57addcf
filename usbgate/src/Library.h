// The library's state behind the twelve entry points: the selected backend,
// the callers' registrations and the callback thread.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "Backend.h"
#include "CallbackDispatcher.h"
#include "usbgate.h"

namespace usbgate {

class Library : public BackendSink {
public:
    static Library &instance();
    // Stops the backend (saving the simulator's memory) when the process ends
    // or the library is unloaded without End().
    ~Library() override;

    int32_t init();
    int32_t end();
    bool isReady();

    uint32_t deviceCount(Collection collection);
    uint32_t deniedNodeCount();
    // Registers a read that stays until withdrawn; returns its identifier (never 0).
    uint32_t addAsyncRead(Collection collection, UsbgateCallback callback, uint32_t tag);
    bool removeRequest(uint32_t requestId);
    int32_t removeRequestsOf(UsbgateCallback callback);

    bool writeReport(Collection collection, const uint8_t *bytes, size_t length);
    // Writes a report and hands the next report of the collection to `callback` once.
    uint32_t writeWithAnswer(Collection collection, UsbgateCallback callback, uint32_t tag,
                             const uint8_t *bytes, size_t length);
    uint32_t statusWrite(Collection collection, UsbgateCallback callback, uint32_t tag,
                         const uint8_t *bytes, size_t length);
    uint32_t statusGet(Collection collection, UsbgateCallback callback, uint32_t tag);
    uint32_t setFeature(Collection collection, UsbgateCallback callback, uint32_t tag,
                        const uint8_t *bytes, size_t length);

    void onReport(Collection collection, const uint8_t *bytes, size_t length) override;
    void onDeviceCountChanged(uint32_t vendorCount) override;

private:
    struct Registration {
        uint32_t id;
        Collection collection;
        UsbgateCallback callback;
        uint32_t tag;
        bool oneShot;
    };

    Library() = default;
    uint32_t addRegistration(Collection collection, UsbgateCallback callback, uint32_t tag,
                             bool oneShot);
    std::shared_ptr<Backend> currentBackend();
    uint32_t nextId();
    uint32_t nextIdLocked();
    void postData(UsbgateCallback callback, uint32_t tag, const uint8_t *bytes, size_t length);

    std::mutex mutex_;           // guards the registrations and the backend pointer
    std::mutex lifecycleMutex_;  // serialises init() and end()
    std::shared_ptr<Backend> backend_;
    std::vector<Registration> registrations_;
    uint32_t lastId_ = 0;
    CallbackDispatcher dispatcher_;
};

}  // namespace usbgate
