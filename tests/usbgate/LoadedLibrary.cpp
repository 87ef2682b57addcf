#include "LoadedLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace usbgate::test {

Unit unitOf(uint16_t usagePage, uint16_t usage) {
    return {15,
            0,
            0,
            0,
            0x45,
            0x0C,
            0x04,
            0x50,
            static_cast<uint8_t>(usagePage),
            static_cast<uint8_t>(usagePage >> 8),
            static_cast<uint8_t>(usage),
            static_cast<uint8_t>(usage >> 8),
            0,
            0,
            0,
            0};
}

EventLog &EventLog::instance() {
    static EventLog log;
    return log;
}

int32_t EventLog::callback(const UsbgateEvent *event) {
    RecordedEvent recorded{event->kind, event->request->tag, event->request->count, {}, {}};
    if (event->kind == USBGATE_EVENT_DATA) {
        const uint8_t *data = event->request->data;
        recorded.data.assign(data, data + event->request->count);
        const uint8_t *report = event->request->detail->report;
        recorded.report.assign(report, report + event->request->count);
    }
    EventLog &log = instance();
    {
        std::lock_guard lock(log.mutex_);
        log.events_.push_back(std::move(recorded));
    }
    log.arrived_.notify_all();
    return 1;
}

void EventLog::clear() {
    std::lock_guard lock(mutex_);
    events_.clear();
}

std::optional<RecordedEvent> EventLog::next(uint32_t kind, uint32_t tag,
                                            std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    std::optional<RecordedEvent> found;
    arrived_.wait_for(lock, timeout, [&] {
        for (auto it = events_.begin(); it != events_.end(); ++it) {
            if (it->kind == kind && it->tag == tag) {
                found = std::move(*it);
                events_.erase(it);
                return true;
            }
        }
        return false;
    });
    return found;
}

size_t EventLog::pending(uint32_t kind, uint32_t tag) {
    std::lock_guard lock(mutex_);
    size_t count = 0;
    for (const RecordedEvent &event : events_) count += event.kind == kind && event.tag == tag;
    return count;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "usbgate-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : "";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

template <typename Function>
void bind(void *handle, const char *name, Function &slot) {
    slot = reinterpret_cast<Function>(dlsym(handle, name));
    ASSERT_NE(slot, nullptr) << name;
}

LoadedLibrary::LoadedLibrary(const TempFolder &folder) : folder_(folder.path()) {
    setenv("USBGATE_BACKEND", "simulator", 1);
    setenv("XDG_STATE_HOME", folder_.c_str(), 1);
    setenv("USBGATE_SIM_SOCKET", socketPath().c_str(), 1);
    const char *binDir = std::getenv("VARNEL_TEST_BIN_DIR");
    std::string path = std::string(binDir ? binDir : ".") + "/libUsbgate.so";
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(handle_, nullptr) << dlerror();
    if (handle_ == nullptr) return;
    bind(handle_, "Debug", entries_.Debug);
    bind(handle_, "Init", entries_.Init);
    bind(handle_, "End", entries_.End);
    bind(handle_, "RequestGetDeviceCount", entries_.RequestGetDeviceCount);
    bind(handle_, "DeleteRequestFromUnitId", entries_.DeleteRequestFromUnitId);
    bind(handle_, "DeleteRequestFromHandle", entries_.DeleteRequestFromHandle);
    bind(handle_, "RequestWrite", entries_.RequestWrite);
    bind(handle_, "RequestWriteOne", entries_.RequestWriteOne);
    bind(handle_, "RequestStatusWrite", entries_.RequestStatusWrite);
    bind(handle_, "RequestStatusGet", entries_.RequestStatusGet);
    bind(handle_, "RequestAsyncRead", entries_.RequestAsyncRead);
    bind(handle_, "RequestStatusSetFeature", entries_.RequestStatusSetFeature);
    EventLog::instance().clear();
}

LoadedLibrary::~LoadedLibrary() {
    if (handle_ == nullptr) return;
    entries_.End();
    dlclose(handle_);
}

std::string LoadedLibrary::socketPath() const {
    return folder_ + "/sim.sock";
}

std::string LoadedLibrary::statePath() const {
    return folder_ + "/usbgate/simulator.state";
}

void LoadedLibrary::registerReads() {
    for (auto [unit, tag] :
         {std::pair{&kVendorUnit, kTagCtrl}, std::pair{&kConsumerUnit, kTagCons}}) {
        uint32_t id = 0;
        uint32_t check = usbgate_check_value(unit->data(), EventLog::callback, tag, nullptr, 0);
        ASSERT_EQ(entries_.RequestAsyncRead(unit->data(), EventLog::callback, tag, check, &id), 1);
        ASSERT_NE(id, 0u);
    }
}

uint32_t LoadedLibrary::deviceCount() const {
    uint32_t check = usbgate_check_value(kVendorUnit.data(), nullptr, 0, nullptr, 0);
    return static_cast<uint32_t>(
        entries_.RequestGetDeviceCount(kVendorUnit.data(), nullptr, 0, check, nullptr));
}

int32_t LoadedLibrary::write(const std::vector<uint8_t> &report) const {
    uint32_t check =
        usbgate_check_value(kVendorUnit.data(), nullptr, 0, report.data(), report.size());
    return entries_.RequestWriteOne(kVendorUnit.data(), nullptr, 0, report.data(),
                                    static_cast<uint32_t>(report.size()), check, nullptr);
}

std::optional<std::vector<uint8_t>> LoadedLibrary::exchange(
    const std::vector<uint8_t> &report, std::chrono::milliseconds timeout) const {
    if (write(report) != 1) return std::nullopt;
    auto answer = EventLog::instance().next(USBGATE_EVENT_DATA, kTagCtrl, timeout);
    if (!answer) return std::nullopt;
    return answer->data;
}

uint16_t checkSumOf(const std::vector<uint8_t> &report) {
    uint32_t sum = 0;
    for (size_t i = 3; i < report.size(); ++i) sum += report[i];
    return static_cast<uint16_t>(sum);
}

std::vector<uint8_t> commandReport(uint8_t code, uint8_t length, uint16_t offset,
                                   const std::vector<uint8_t> &payload) {
    std::vector<uint8_t> report(USBGATE_REPORT_SIZE, 0);
    report[0] = 4;
    report[3] = code;
    report[4] = length;
    report[5] = static_cast<uint8_t>(offset);
    report[6] = static_cast<uint8_t>(offset >> 8);
    std::copy(payload.begin(), payload.begin() + std::min<size_t>(payload.size(), 56),
              report.begin() + 8);
    uint16_t sum = checkSumOf(report);
    report[1] = static_cast<uint8_t>(sum);
    report[2] = static_cast<uint8_t>(sum >> 8);
    return report;
}

}  // namespace usbgate::test
