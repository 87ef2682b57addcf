// Removal and arrival of the keyboard as the kernel and udev report them: the
// uhid devices destroyed and created again, also in the middle of an upload.
#include <array>
#include <future>

#include "GuestKeyboard.h"
#include "ProfileTestSupport.h"
#include "TestTexts.h"
#include "model/DeviceImage.h"

namespace kerneltest {
namespace {

constexpr int kSeconds = 20;

class HotPlugTest : public GuestKeyboardTest {
protected:
    // Unplugs and expects the library to announce that no keyboard is left.
    void unplugAndExpectRemoval() {
        keyboard().unplug();
        const auto count = listener.nextCount(kSeconds);
        ASSERT_TRUE(count.has_value()) << "the keyboard's removal was never announced";
        EXPECT_EQ(*count, 0u);
        EXPECT_EQ(GuestKeyboard::instance().library()->deviceCount(devicelink::kCommandUnit), 0u);
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

}  // namespace
}  // namespace kerneltest
