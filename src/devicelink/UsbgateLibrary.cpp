#include "devicelink/UsbgateLibrary.h"

#include <dlfcn.h>

#include "platform/Folders.h"

namespace devicelink {

namespace {

template <typename Function>
bool resolve(void *handle, const char *name, Function &target, std::string &missing) {
    if (!missing.empty()) return false;
    void *symbol = dlsym(handle, name);
    if (symbol == nullptr) {
        missing = name;
        return false;
    }
    target = reinterpret_cast<Function>(symbol);
    return true;
}

// Resolves every entry point in their fixed order; returns the first missing
// name, or an empty text when all twelve are present.
std::string resolveAll(void *handle, UsbgateEntryPoints &api) {
    std::string missing;
    resolve(handle, "Debug", api.debug, missing);
    resolve(handle, "Init", api.init, missing);
    resolve(handle, "End", api.end, missing);
    resolve(handle, "RequestGetDeviceCount", api.requestGetDeviceCount, missing);
    resolve(handle, "DeleteRequestFromUnitId", api.deleteRequestFromUnitId, missing);
    resolve(handle, "DeleteRequestFromHandle", api.deleteRequestFromHandle, missing);
    resolve(handle, "RequestWrite", api.requestWrite, missing);
    resolve(handle, "RequestWriteOne", api.requestWriteOne, missing);
    resolve(handle, "RequestStatusWrite", api.requestStatusWrite, missing);
    resolve(handle, "RequestStatusGet", api.requestStatusGet, missing);
    resolve(handle, "RequestAsyncRead", api.requestAsyncRead, missing);
    resolve(handle, "RequestStatusSetFeature", api.requestStatusSetFeature, missing);
    return missing;
}

BindResult failure(BindStatus status, std::string detail) {
    BindResult result;
    result.status = status;
    result.detail = std::move(detail);
    return result;
}

}  // namespace

std::int32_t UsbgateLibrary::init() const {
    return api_.init(0);
}

std::uint32_t UsbgateLibrary::deniedNodeCount() const {
    const std::int32_t count = api_.debug(USBGATE_QUERY_DENIED_NODES);
    return count > 0 ? static_cast<std::uint32_t>(count) : 0;
}

std::uint32_t UsbgateLibrary::deviceCount(const UnitId &unit) const {
    const std::uint32_t check = usbgate_check_value(unit.data(), nullptr, 0, nullptr, 0);
    const std::int32_t count = api_.requestGetDeviceCount(unit.data(), nullptr, 0, check, nullptr);
    return count > 0 ? static_cast<std::uint32_t>(count) : 0;
}

std::int32_t UsbgateLibrary::writeOne(const UnitId &unit,
                                      std::span<const std::uint8_t, 64> report) const {
    const std::uint32_t check =
        usbgate_check_value(unit.data(), nullptr, 0, report.data(), report.size());
    return api_.requestWriteOne(unit.data(), nullptr, 0, report.data(),
                                static_cast<std::uint32_t>(report.size()), check, nullptr);
}

std::int32_t UsbgateLibrary::asyncRead(const UnitId &unit, UsbgateCallback callback,
                                       std::uint32_t tag, std::uint32_t *requestId) const {
    const std::uint32_t check = usbgate_check_value(unit.data(), callback, tag, nullptr, 0);
    return api_.requestAsyncRead(unit.data(), callback, tag, check, requestId);
}

std::int32_t UsbgateLibrary::statusWrite(const UnitId &unit, UsbgateCallback callback,
                                         std::uint32_t tag, std::span<const std::uint8_t> data,
                                         std::uint32_t *requestId) const {
    const std::uint32_t check =
        usbgate_check_value(unit.data(), callback, tag, data.data(), data.size());
    return api_.requestStatusWrite(unit.data(), callback, tag, data.data(),
                                   static_cast<std::uint32_t>(data.size()), check, requestId);
}

std::int32_t UsbgateLibrary::statusGet(const UnitId &unit, UsbgateCallback callback,
                                       std::uint32_t tag, std::uint32_t *requestId) const {
    const std::uint32_t check = usbgate_check_value(unit.data(), callback, tag, nullptr, 0);
    return api_.requestStatusGet(unit.data(), callback, tag, check, requestId);
}

std::int32_t UsbgateLibrary::deleteRequest(std::uint32_t requestId) const {
    return api_.deleteRequestFromUnitId(requestId);
}

std::filesystem::path defaultUsbgatePath() {
    return platform::applicationFolder() / kUsbgateFileName;
}

BindResult bindUsbgate(const std::filesystem::path &libraryFile) {
    void *handle = dlopen(libraryFile.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char *reason = dlerror();
        return failure(BindStatus::LibraryNotLoaded, reason ? reason : libraryFile.string());
    }
    UsbgateEntryPoints api;
    const std::string missing = resolveAll(handle, api);
    if (!missing.empty()) {
        dlclose(handle);
        return failure(BindStatus::EntryPointMissing, "missing entry point " + missing);
    }
    auto library = std::make_unique<UsbgateLibrary>(api);
    if (library->init() <= 0) {
        // Kept loaded: a library whose initialisation started threads before
        // failing must not have its code unmapped under them.
        return failure(BindStatus::InitFailed, "Init(0) did not report ready");
    }
    BindResult result;
    result.status = BindStatus::Bound;
    result.library = std::move(library);
    return result;
}

}  // namespace devicelink
