// The device service library, bound at run time with dlopen: its twelve entry
// points, resolved all or nothing, and typed calls that add the request check
// value every call must carry.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "devicelink/UnitId.h"
#include "usbgate/include/usbgate.h"

namespace devicelink {

// Entry points in the order they are resolved.
struct UsbgateEntryPoints {
    decltype(&::Debug) debug = nullptr;
    decltype(&::Init) init = nullptr;
    decltype(&::End) end = nullptr;
    decltype(&::RequestGetDeviceCount) requestGetDeviceCount = nullptr;
    decltype(&::DeleteRequestFromUnitId) deleteRequestFromUnitId = nullptr;
    decltype(&::DeleteRequestFromHandle) deleteRequestFromHandle = nullptr;
    decltype(&::RequestWrite) requestWrite = nullptr;
    decltype(&::RequestWriteOne) requestWriteOne = nullptr;
    decltype(&::RequestStatusWrite) requestStatusWrite = nullptr;
    decltype(&::RequestStatusGet) requestStatusGet = nullptr;
    decltype(&::RequestAsyncRead) requestAsyncRead = nullptr;
    decltype(&::RequestStatusSetFeature) requestStatusSetFeature = nullptr;
};

inline constexpr const char *kUsbgateFileName = "libUsbgate.so";

class UsbgateLibrary {
public:
    explicit UsbgateLibrary(const UsbgateEntryPoints &entryPoints) : api_(entryPoints) {}

    // Init(0); more than 0 means the library is ready.
    std::int32_t init() const;

    // Number of present devices matching the unit; 0 when the library reports
    // none or an error.
    std::uint32_t deviceCount(const UnitId &unit) const;

    // Keyboard nodes present but not openable for lack of permission (no udev rule).
    std::uint32_t deniedNodeCount() const;

    // Writes one 64-byte report to the unit; more than 0 = accepted.
    std::int32_t writeOne(const UnitId &unit, std::span<const std::uint8_t, 64> report) const;

    // Registers an asynchronous read; the library stores the request's
    // identifier in `requestId` and later calls `callback` with data and
    // device-count changes.
    std::int32_t asyncRead(const UnitId &unit, UsbgateCallback callback, std::uint32_t tag,
                           std::uint32_t *requestId) const;

    // Delivers status bytes to the unit's status collection.
    std::int32_t statusWrite(const UnitId &unit, UsbgateCallback callback, std::uint32_t tag,
                             std::span<const std::uint8_t> data, std::uint32_t *requestId) const;

    // Asks for the bytes the unit's status collection holds; they arrive at the
    // callback with the tag.
    std::int32_t statusGet(const UnitId &unit, UsbgateCallback callback, std::uint32_t tag,
                           std::uint32_t *requestId) const;

    // Withdraws an earlier registration.
    std::int32_t deleteRequest(std::uint32_t requestId) const;

    const UsbgateEntryPoints &entryPoints() const { return api_; }

private:
    UsbgateEntryPoints api_;
};

enum class BindStatus { Bound, LibraryNotLoaded, EntryPointMissing, InitFailed };

struct BindResult {
    BindStatus status = BindStatus::LibraryNotLoaded;
    std::unique_ptr<UsbgateLibrary> library;  // set only when Bound
    std::string detail;                       // what failed, for diagnostics
};

// The library file beside the running executable.
std::filesystem::path defaultUsbgatePath();

// Loads the library, resolves all twelve entry points (none missing) and
// initialises it with Init(0). On any failure nothing stays loaded and the
// caller decides what the process does. A bound library stays loaded until the
// process ends: its callback thread may run at any time.
BindResult bindUsbgate(const std::filesystem::path &libraryFile = defaultUsbgatePath());

}  // namespace devicelink
