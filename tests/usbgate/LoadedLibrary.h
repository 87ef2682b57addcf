// Test helpers: libUsbgate.so loaded with dlopen as the application loads it,
// a recorder for its callbacks, and command reports built as the host builds them.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "usbgate.h"

namespace usbgate::test {

inline constexpr uint32_t kTagCtrl = 0x4354524C;
inline constexpr uint32_t kTagCons = 0x434F4E53;
inline constexpr uint32_t kTagLed = 0x004C4544;

using Unit = std::array<uint8_t, USBGATE_UNIT_ID_SIZE>;
Unit unitOf(uint16_t usagePage, uint16_t usage);
inline const Unit kVendorUnit = unitOf(0xFF1C, 0x0092);
inline const Unit kConsumerUnit = unitOf(0x000C, 0x0001);
inline const Unit kStatusUnit = unitOf(0x0008, 0x0089);

struct Entries {
    decltype(&::Debug) Debug;
    decltype(&::Init) Init;
    decltype(&::End) End;
    decltype(&::RequestGetDeviceCount) RequestGetDeviceCount;
    decltype(&::DeleteRequestFromUnitId) DeleteRequestFromUnitId;
    decltype(&::DeleteRequestFromHandle) DeleteRequestFromHandle;
    decltype(&::RequestWrite) RequestWrite;
    decltype(&::RequestWriteOne) RequestWriteOne;
    decltype(&::RequestStatusWrite) RequestStatusWrite;
    decltype(&::RequestStatusGet) RequestStatusGet;
    decltype(&::RequestAsyncRead) RequestAsyncRead;
    decltype(&::RequestStatusSetFeature) RequestStatusSetFeature;
};

// What a callback saw, copied out of the records while they were valid.
struct RecordedEvent {
    uint32_t kind;
    uint32_t tag;
    uint32_t count;
    std::vector<uint8_t> data;    // through the data pointer at byte 8
    std::vector<uint8_t> report;  // through the detail record's pointer at byte 28
};

class EventLog {
public:
    static EventLog &instance();
    static int32_t callback(const UsbgateEvent *event);
    void clear();
    // Waits for the next event matching kind and tag; removes and returns it.
    std::optional<RecordedEvent> next(uint32_t kind, uint32_t tag,
                                      std::chrono::milliseconds timeout);
    size_t pending(uint32_t kind, uint32_t tag);

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<RecordedEvent> events_;
};

// A temporary folder removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

// The library, opened from the test binary folder, with the simulator backend
// pointed at a state file and control socket of its own.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const TempFolder &folder);
    ~LoadedLibrary();
    const Entries &operator*() const { return entries_; }
    const Entries *operator->() const { return &entries_; }
    std::string socketPath() const;
    std::string statePath() const;

    // Registers the CTRL and CONS reads with EventLog::callback.
    void registerReads();
    uint32_t deviceCount() const;
    // Writes a report with RequestWriteOne; the library's result.
    int32_t write(const std::vector<uint8_t> &report) const;
    // Writes and waits for the CTRL answer.
    std::optional<std::vector<uint8_t>> exchange(
        const std::vector<uint8_t> &report,
        std::chrono::milliseconds timeout = std::chrono::milliseconds(2000)) const;

private:
    void *handle_ = nullptr;
    Entries entries_{};
    std::string folder_;
};

// A command report as the host builds it: id 4, code, length, offset, payload,
// check sum over bytes 3..63 at bytes 1..2.
std::vector<uint8_t> commandReport(uint8_t code, uint8_t length = 0, uint16_t offset = 0,
                                   const std::vector<uint8_t> &payload = {});
uint16_t checkSumOf(const std::vector<uint8_t> &report);

}  // namespace usbgate::test
