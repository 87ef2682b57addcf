#include "Library.h"

#include <algorithm>

#include "BackendFactory.h"
#include "Diagnostics.h"

namespace usbgate {

Library &Library::instance() {
    static Library library;
    return library;
}

int32_t Library::init() {
    std::lock_guard lifecycle(lifecycleMutex_);
    if (isReady()) return 1;
    std::shared_ptr<Backend> backend = makeBackendFromEnvironment();
    if (!backend) return 0;
    dispatcher_.start();
    {
        std::lock_guard lock(mutex_);
        backend_ = backend;
    }
    if (!backend->start(*this)) {
        diagnose(Level::Error, "the device backend could not be started");
        std::lock_guard lock(mutex_);
        backend_.reset();
        dispatcher_.stop();
        return 0;
    }
    return 1;
}

Library::~Library() {
    end();
}

int32_t Library::end() {
    std::lock_guard lifecycle(lifecycleMutex_);
    std::shared_ptr<Backend> backend;
    {
        std::lock_guard lock(mutex_);
        backend.swap(backend_);
    }
    if (!backend) return 0;
    backend->stop();
    dispatcher_.stop();
    std::lock_guard lock(mutex_);
    registrations_.clear();
    return 1;
}

std::shared_ptr<Backend> Library::currentBackend() {
    // A copy taken under the lock: the backend stays alive for the caller's call
    // even when End or a restart replaces it meanwhile.
    std::lock_guard lock(mutex_);
    return backend_;
}

bool Library::isReady() {
    std::lock_guard lock(mutex_);
    return backend_ != nullptr;
}

uint32_t Library::deviceCount(Collection collection) {
    const std::shared_ptr<Backend> backend = currentBackend();
    return backend ? backend->deviceCount(collection) : 0;
}

uint32_t Library::deniedNodeCount() {
    const std::shared_ptr<Backend> backend = currentBackend();
    return backend ? backend->deniedNodeCount() : 0;
}

uint32_t Library::nextId() {
    if (++lastId_ == 0) lastId_ = 1;
    return lastId_;
}

uint32_t Library::addRegistration(Collection collection, UsbgateCallback callback, uint32_t tag,
                                  bool oneShot) {
    std::lock_guard lock(mutex_);
    if (!backend_ || callback == nullptr) return 0;
    uint32_t id = nextId();
    registrations_.push_back({id, collection, callback, tag, oneShot});
    return id;
}

uint32_t Library::addAsyncRead(Collection collection, UsbgateCallback callback, uint32_t tag) {
    return addRegistration(collection, callback, tag, false);
}

bool Library::removeRequest(uint32_t requestId) {
    std::lock_guard lock(mutex_);
    auto found = std::find_if(registrations_.begin(), registrations_.end(),
                              [requestId](const Registration &r) { return r.id == requestId; });
    if (found == registrations_.end()) return false;
    registrations_.erase(found);
    return true;
}

int32_t Library::removeRequestsOf(UsbgateCallback callback) {
    std::lock_guard lock(mutex_);
    auto removed = std::erase_if(
        registrations_, [callback](const Registration &r) { return r.callback == callback; });
    return static_cast<int32_t>(removed);
}

bool Library::writeReport(Collection collection, const uint8_t *bytes, size_t length) {
    const std::shared_ptr<Backend> backend = currentBackend();
    return backend && backend->writeReport(collection, bytes, length);
}

uint32_t Library::writeWithAnswer(Collection collection, UsbgateCallback callback, uint32_t tag,
                                  const uint8_t *bytes, size_t length) {
    uint32_t id = callback ? addRegistration(collection, callback, tag, true) : nextIdLocked();
    if (id == 0) return 0;
    if (writeReport(collection, bytes, length)) return id;
    removeRequest(id);
    return 0;
}

uint32_t Library::statusWrite(Collection collection, UsbgateCallback callback, uint32_t tag,
                              const uint8_t *bytes, size_t length) {
    if (!writeReport(collection, bytes, length)) return 0;
    uint32_t id = nextIdLocked();
    if (callback) postData(callback, tag, bytes, length);
    return id;
}

uint32_t Library::statusGet(Collection collection, UsbgateCallback callback, uint32_t tag) {
    const std::shared_ptr<Backend> backend = currentBackend();
    std::vector<uint8_t> bytes;
    if (!backend || !backend->getStatus(collection, bytes)) return 0;
    if (callback) postData(callback, tag, bytes.data(), bytes.size());
    return nextIdLocked();
}

uint32_t Library::setFeature(Collection collection, UsbgateCallback callback, uint32_t tag,
                             const uint8_t *bytes, size_t length) {
    const std::shared_ptr<Backend> backend = currentBackend();
    if (!backend || !backend->setFeature(collection, bytes, length)) return 0;
    if (callback) postData(callback, tag, bytes, length);
    return nextIdLocked();
}

uint32_t Library::nextIdLocked() {
    std::lock_guard lock(mutex_);
    return nextId();
}

void Library::postData(UsbgateCallback callback, uint32_t tag, const uint8_t *bytes,
                       size_t length) {
    dispatcher_.post(
        {callback, USBGATE_EVENT_DATA, tag, 0, std::vector<uint8_t>(bytes, bytes + length)});
}

void Library::onReport(Collection collection, const uint8_t *bytes, size_t length) {
    std::lock_guard lock(mutex_);
    for (const Registration &registration : registrations_) {
        if (registration.collection == collection) {
            postData(registration.callback, registration.tag, bytes, length);
        }
    }
    std::erase_if(registrations_, [collection](const Registration &r) {
        return r.oneShot && r.collection == collection;
    });
}

void Library::onDeviceCountChanged(uint32_t vendorCount) {
    std::lock_guard lock(mutex_);
    for (const Registration &registration : registrations_) {
        if (registration.collection == Collection::Vendor && !registration.oneShot) {
            dispatcher_.post({registration.callback,
                              USBGATE_EVENT_DEVICE_COUNT,
                              registration.tag,
                              vendorCount,
                              {}});
        }
    }
}

}  // namespace usbgate
