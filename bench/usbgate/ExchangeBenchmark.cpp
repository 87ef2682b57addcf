// One command exchange through libUsbgate.so with the simulated keyboard
// answering at once: the write through RequestWriteOne, the answer through the
// callback thread to a waiting caller, as the application's transport does it.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "usbgate.h"

namespace {

constexpr uint8_t kVendorUnit[16] = {15,   0,    0,    0,    0x45, 0x0C, 0x04, 0x50,
                                     0x1C, 0xFF, 0x92, 0x00, 0,    0,    0,    0};
constexpr uint32_t kTagCtrl = 0x4354524C;

// The answer event of the application's transport: an auto-reset event.
struct AnswerEvent {
    std::mutex mutex;
    std::condition_variable signalled;
    bool set = false;
    uint8_t answer[64];
} answerEvent;

int32_t onDeviceData(const UsbgateEvent *event) {
    if (event->kind != USBGATE_EVENT_DATA || event->request->tag != kTagCtrl) return 1;
    std::lock_guard lock(answerEvent.mutex);
    std::copy_n(event->request->data, std::min<uint32_t>(event->request->count, 64),
                answerEvent.answer);
    answerEvent.set = true;
    answerEvent.signalled.notify_one();
    return 1;
}

struct Library {
    void *handle = nullptr;
    decltype(&::Init) init = nullptr;
    decltype(&::End) end = nullptr;
    decltype(&::RequestWriteOne) writeOne = nullptr;
    decltype(&::RequestAsyncRead) asyncRead = nullptr;
    std::string folder;

    bool open() {
        folder = (std::filesystem::temp_directory_path() / "usbgate-bench-XXXXXX").string();
        if (mkdtemp(folder.data()) == nullptr) return false;
        setenv("USBGATE_BACKEND", "simulator", 1);
        setenv("XDG_STATE_HOME", folder.c_str(), 1);
        setenv("USBGATE_SIM_SOCKET", (folder + "/sim.sock").c_str(), 1);
        std::string self = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        handle = dlopen((self + "/libUsbgate.so").c_str(), RTLD_NOW);
        if (handle == nullptr) return false;
        init = reinterpret_cast<decltype(init)>(dlsym(handle, "Init"));
        end = reinterpret_cast<decltype(end)>(dlsym(handle, "End"));
        writeOne = reinterpret_cast<decltype(writeOne)>(dlsym(handle, "RequestWriteOne"));
        asyncRead = reinterpret_cast<decltype(asyncRead)>(dlsym(handle, "RequestAsyncRead"));
        if (!init || !end || !writeOne || !asyncRead || init(0) <= 0) return false;
        uint32_t id = 0;
        uint32_t check = usbgate_check_value(kVendorUnit, onDeviceData, kTagCtrl, nullptr, 0);
        return asyncRead(kVendorUnit, onDeviceData, kTagCtrl, check, &id) == 1;
    }

    ~Library() {
        if (end) end();
        if (handle) dlclose(handle);
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
};

std::vector<uint8_t> readInfoReport() {
    std::vector<uint8_t> report(64, 0);
    report[0] = 4;
    report[3] = 0x03;
    report[4] = 44;
    uint32_t sum = 0;
    for (size_t i = 3; i < 64; ++i) sum += report[i];
    report[1] = static_cast<uint8_t>(sum);
    report[2] = static_cast<uint8_t>(sum >> 8);
    return report;
}

double percentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    size_t index = static_cast<size_t>(fraction * static_cast<double>(samples.size() - 1));
    return samples[index];
}

void BM_CommandExchange(benchmark::State &state) {
    Library library;
    if (!library.open()) {
        state.SkipWithError("libUsbgate.so with the simulator could not be opened");
        return;
    }
    const std::vector<uint8_t> report = readInfoReport();
    const uint32_t check = usbgate_check_value(kVendorUnit, nullptr, 0, report.data(), 64);
    std::vector<double> microseconds;
    microseconds.reserve(1 << 16);
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        {
            std::lock_guard lock(answerEvent.mutex);
            answerEvent.set = false;
        }
        if (library.writeOne(kVendorUnit, nullptr, 0, report.data(), 64, check, nullptr) <= 0) {
            state.SkipWithError("write refused");
            return;
        }
        std::unique_lock lock(answerEvent.mutex);
        if (!answerEvent.signalled.wait_for(lock, std::chrono::seconds(1),
                                            [] { return answerEvent.set; })) {
            state.SkipWithError("no answer within 1 s");
            return;
        }
        auto elapsed = std::chrono::steady_clock::now() - start;
        microseconds.push_back(std::chrono::duration<double, std::micro>(elapsed).count());
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    }
    state.counters["median_us"] = percentile(microseconds, 0.5);
    state.counters["p99_us"] = percentile(microseconds, 0.99);
}
BENCHMARK(BM_CommandExchange)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
