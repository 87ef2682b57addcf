#include "GuestKeyboard.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "HidDescriptors.h"

namespace kerneltest {
namespace {

constexpr int kArrivalSeconds = 20;  // udev and a slow emulated machine

}  // namespace

void RecordingListener::onDeviceCountChanged(std::uint32_t deviceCount) {
    {
        std::lock_guard lock(mutex_);
        counts_.push_back(deviceCount);
    }
    changed_.notify_all();
}

void RecordingListener::onDeviceEvent(std::uint16_t eventCode) {
    {
        std::lock_guard lock(mutex_);
        events_.push_back(eventCode);
    }
    changed_.notify_all();
}

template <typename Value>
static std::optional<Value> takeFirst(std::unique_lock<std::mutex> &lock,
                                      std::condition_variable &changed, std::deque<Value> &queue,
                                      int seconds) {
    if (!changed.wait_for(lock, std::chrono::seconds(seconds), [&] { return !queue.empty(); })) {
        return std::nullopt;
    }
    Value value = queue.front();
    queue.pop_front();
    return value;
}

std::optional<std::uint32_t> RecordingListener::nextCount(int seconds) {
    std::unique_lock lock(mutex_);
    return takeFirst(lock, changed_, counts_, seconds);
}

std::optional<std::uint16_t> RecordingListener::nextEvent(int seconds) {
    std::unique_lock lock(mutex_);
    return takeFirst(lock, changed_, events_, seconds);
}

GuestKeyboard &GuestKeyboard::instance() {
    static GuestKeyboard guest;
    return guest;
}

bool GuestKeyboard::waitForNodes(std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kArrivalSeconds);
    for (;;) {
        std::error_code error;
        std::size_t present = 0;
        for (const auto &entry : std::filesystem::directory_iterator("/sys/class/hidraw", error)) {
            present += std::filesystem::exists("/dev" / entry.path().filename()) ? 1 : 0;
        }
        if (present == count) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Another maker's device whose descriptor holds the same vendor collection:
// only the ids tell it apart from the keyboard.
GuestKeyboard::GuestKeyboard()
    : foreign_(std::make_unique<UhidDevice>(
          UhidIdentity{"other keyboard", 0x1234, 0x5004, usbgate::test::kMultiCollectionDescriptor},
          [this](const std::vector<std::uint8_t> &) {
              std::lock_guard lock(foreignMutex_);
              ++foreignOutputs_;
              return std::vector<std::uint8_t>{};
          })) {
    if (!foreign_->create() || !keyboard_.plug() || !waitForNodes(1 + keyboard_.interfaceCount())) {
        bindDetail_ = "the uhid devices did not appear as hidraw nodes";
        return;
    }
    setenv("USBGATE_BACKEND", "hidraw", 1);
    devicelink::BindResult bound = devicelink::bindUsbgate();
    bindDetail_ = bound.detail;
    library_ = std::move(bound.library);
}

std::uint64_t GuestKeyboard::foreignOutputs() {
    std::lock_guard lock(foreignMutex_);
    return foreignOutputs_;
}

void GuestKeyboardTest::SetUp() {
    GuestKeyboard &guest = GuestKeyboard::instance();
    ASSERT_NE(guest.library(), nullptr) << guest.bindDetail();
    transport = std::make_unique<devicelink::ReportTransport>(*guest.library());
    transport->setListener(&listener);
    ASSERT_EQ(transport->registerReads(), 1);
    commands = std::make_unique<devicelink::DeviceCommands>(*transport);
    ASSERT_EQ(guest.library()->deviceCount(devicelink::kCommandUnit), 1u);
}

void GuestKeyboardTest::TearDown() {
    if (!transport) return;
    transport->setListener(nullptr);
    transport->withdrawReads();
    commands.reset();
    transport.reset();
}

// The arrival is announced with the command interface; the media interface's
// node may come a little later, so udev is let to finish with all of them.
void GuestKeyboardTest::unplugAndExpectRemoval() {
    keyboard().unplug();
    const auto count = listener.nextCount(kArrivalSeconds);
    ASSERT_TRUE(count.has_value()) << "the keyboard's removal was never announced";
    EXPECT_EQ(*count, 0u);
    EXPECT_EQ(GuestKeyboard::instance().library()->deviceCount(devicelink::kCommandUnit), 0u);
}

void GuestKeyboardTest::replug(Layout layout) {
    ASSERT_TRUE(keyboard().plug(layout));
    for (;;) {
        const auto count = listener.nextCount(kArrivalSeconds);
        ASSERT_TRUE(count.has_value()) << "the keyboard's arrival was never announced";
        if (*count == 1) break;
    }
    ASSERT_TRUE(settleUdev());
}

// udevd now and then leaves events queued after its execution queue was
// started again, with no worker running, until it is asked once more: so the
// queue is started and the wait repeated a few times.
bool settleUdev() {
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (std::system("udevadm control --start-exec-queue") != 0) return false;
        if (std::system("udevadm settle --timeout=8") == 0) return true;
    }
    return false;
}

}  // namespace kerneltest
