// Removal and arrival of the keyboard as the kernel and udev report them: the
// uhid devices destroyed and created again, also in the middle of an upload.
#include <array>
#include <cstdlib>
#include <future>

#include "GuestKeyboard.h"
#include "ProfileTestSupport.h"
#include "TestTexts.h"
#include "model/DeviceImage.h"

namespace kerneltest {
namespace {

constexpr int kSeconds = 20;

// udevd ended for the scope and started again after it; its control socket
// file stays behind meanwhile, as it does when udevd ends on a real system.
struct UdevDaemonStopped {
    // udevadm returns before udevd has closed its control socket.
    UdevDaemonStopped()
        : done(std::system("udevadm control --exit && for i in $(seq 200); do "
                           "pidof systemd-udevd > /dev/null || exit 0; sleep 0.05; done; "
                           "exit 1") == 0) {}
    ~UdevDaemonStopped() { EXPECT_EQ(std::system("/usr/lib/systemd/systemd-udevd --daemon"), 0); }
    const bool done;
};

class HotPlugTest : public GuestKeyboardTest {
protected:
    // Plugs in again and waits for the arrival and for every interface.
    void replugWithoutUdev() {
        ASSERT_TRUE(keyboard().plug());
        const auto count = listener.nextCount(kSeconds);
        ASSERT_TRUE(count.has_value()) << "the keyboard's arrival was never announced";
        EXPECT_EQ(*count, 1u);
        ASSERT_TRUE(GuestKeyboard::waitForNodes(1 + keyboard().interfaceCount()));
    }
};

TEST_F(HotPlugTest, RemovalAndArrivalAreAnnouncedAndTheKeyboardAnswersAgain) {
    unplugAndExpectRemoval();
    std::array<std::uint8_t, 44> info{};
    EXPECT_EQ(commands->readInfo(info), 0);  // no keyboard: nothing is written

    replug();
    EXPECT_EQ(GuestKeyboard::instance().library()->deviceCount(devicelink::kCommandUnit), 1u);
    EXPECT_EQ(GuestKeyboard::instance().library()->deviceCount(devicelink::kConsumerUnit), 1u);
    ASSERT_EQ(commands->readInfo(info), 1);
    keyboard().withMemory([&](usbgate::sim::DeviceMemory &now) {
        EXPECT_EQ(info[8] | info[9] << 8, now.firmware());
    });
    EXPECT_EQ(listener.nextCount(0), std::nullopt);  // one announcement each way
}

TEST_F(HotPlugTest, UnplugDuringAnUploadFailsTheUploadAndThenTheKeyboardWorksAgain) {
    auto store = model::test::defaultStore();
    model::KeyboardMemory memory;
    ASSERT_EQ(memory.readDefaultMatrix(*commands, {}), 1);
    std::array<std::uint8_t, 44> info{};
    ASSERT_EQ(commands->readInfo(info), 1);
    memory.setMacroCapacityFromInfo(info);
    model::DeviceImageTransfer transfer(
        *commands, memory, *store, [] { return 0; }, [](const model::UserMessage &) {},
        model::test::testTexts());

    const std::uint64_t before = keyboard().answers();
    auto upload = std::async(std::launch::async, [&] { return transfer.uploadDeviceImage(true); });
    // The upload writes far more than 10 reports; pull the cable after 10.
    ASSERT_TRUE(keyboard().waitForAnswers(before + 10, kSeconds));
    keyboard().unplug();
    EXPECT_FALSE(upload.get());
    const auto count = listener.nextCount(kSeconds);
    ASSERT_TRUE(count.has_value());
    EXPECT_EQ(*count, 0u);

    replug();
    ASSERT_EQ(commands->readInfo(info), 1);
}

// udev passes on the kernel's removals and arrivals some time after they
// happened (held back here until the library has started). A library started
// in between finds the new nodes itself: the late removal of an old node must
// not be taken for that of the new node now carrying the same name, and the
// late arrival is no second keyboard.
TEST_F(HotPlugTest, LateUdevEventsOfAReplugBeforeStartAnnounceNothing) {
    const devicelink::UsbgateLibrary &library = *GuestKeyboard::instance().library();
    transport->withdrawReads();
    library.entryPoints().end();
    ASSERT_EQ(std::system("udevadm control --stop-exec-queue"), 0);  // settleUdev starts it
    keyboard().unplug();
    ASSERT_TRUE(keyboard().plug());
    ASSERT_TRUE(GuestKeyboard::waitForNodes(1 + keyboard().interfaceCount()));
    ASSERT_GT(library.init(), 0);
    ASSERT_EQ(transport->registerReads(), 1);
    ASSERT_EQ(library.deviceCount(devicelink::kCommandUnit), 1u);

    ASSERT_TRUE(settleUdev());
    EXPECT_EQ(listener.nextCount(2), std::nullopt);
    EXPECT_EQ(library.deviceCount(devicelink::kCommandUnit), 1u);
    EXPECT_EQ(library.deviceCount(devicelink::kConsumerUnit), 1u);
    std::array<std::uint8_t, 44> info{};
    EXPECT_EQ(commands->readInfo(info), 1);
}

// Without a udev daemon, as in containers and small systems, the kernel's own
// announcements still carry the keyboard's arrival.
TEST_F(HotPlugTest, ArrivalIsHeardWithoutAUdevDaemon) {
    const devicelink::UsbgateLibrary &library = *GuestKeyboard::instance().library();
    const UdevDaemonStopped stopped;
    ASSERT_TRUE(stopped.done);
    transport->withdrawReads();
    library.entryPoints().end();
    ASSERT_GT(library.init(), 0);
    ASSERT_EQ(transport->registerReads(), 1);

    unplugAndExpectRemoval();
    replugWithoutUdev();
    std::array<std::uint8_t, 44> info{};
    EXPECT_EQ(commands->readInfo(info), 1);
}

}  // namespace
}  // namespace kerneltest
