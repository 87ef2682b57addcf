// The device link end to end through the kernel: command reports written to
// the vendor node and answers read back from it, event codes from the consumer
// collection and status bytes to the status collection.
#include <array>

#include "GuestKeyboard.h"
#include "LoadedLibrary.h"
#include "ProfileTestSupport.h"
#include "RoundTripFlow.h"
#include "TestTexts.h"
#include "devicelink/FourCharCode.h"
#include "model/DeviceImage.h"
#include "model/ProfileFile.h"

namespace kerneltest {
namespace {

class DeviceLinkTest : public GuestKeyboardTest {
protected:
    // The bank toggle comes in as an event, and `status` written to the status
    // collection reaches the keyboard's memory.
    void expectToggleInAndStatusOut(const std::array<std::uint8_t, 2> &status) {
        ASSERT_TRUE(keyboard().sendEvent(0x02FF));
        EXPECT_EQ(listener.nextEvent(10), std::optional<std::uint16_t>(0x02FF));
        std::uint32_t requestId = 0;
        ASSERT_GT(GuestKeyboard::instance().library()->statusWrite(
                      devicelink::kStatusUnit, nullptr, devicelink::kTagLed, status, &requestId),
                  0);
        EXPECT_TRUE(keyboard().waitForMemory(
            [&](const usbgate::sim::DeviceMemory &memory) { return memory.status == status; }, 10));
    }
};

TEST_F(DeviceLinkTest, ReadsTheFirmwareVersion) {
    keyboard().withMemory([](usbgate::sim::DeviceMemory &memory) { memory.setFirmware(0x0108); });
    std::array<std::uint8_t, 44> info{};
    ASSERT_EQ(commands->readInfo(info), 1);
    EXPECT_EQ(info[8] | info[9] << 8, 0x0108);
    keyboard().withMemory([](usbgate::sim::DeviceMemory &memory) { memory.setFirmware(0x0109); });
    ASSERT_EQ(commands->readInfo(info), 1);
    EXPECT_EQ(info[8] | info[9] << 8, 0x0109);
}

// The store that came back, sent again and read again, gives the same file and
// leaves the keyboard's memory as it was, byte for byte.
TEST_F(DeviceLinkTest, StoreWithMacrosComesBackByteForByte) {
    model::test::TemporaryFolder folder;
    const auto first = folder / "first.vrp";
    model::test::roundTripThroughKeyboard(*commands, first);
    if (HasFatalFailure()) return;
    usbgate::sim::DeviceMemory uploaded;
    keyboard().withMemory([&](usbgate::sim::DeviceMemory &memory) { uploaded = memory; });

    model::ProfileStore store;
    ASSERT_EQ(model::readProfileFile(first, store), 1);
    model::KeyboardMemory memory;
    ASSERT_EQ(memory.readDefaultMatrix(*commands, {}), 1);
    memory.setMacroCapacity(static_cast<std::uint32_t>(uploaded.macroCapacity()));
    model::DeviceImageTransfer transfer(
        *commands, memory, store, [] { return 0; }, [](const model::UserMessage &) {},
        model::test::testTexts());
    ASSERT_TRUE(transfer.uploadDeviceImage(true));
    const auto second = folder / "second.vrp";
    ASSERT_TRUE(transfer.downloadDeviceImage(second));

    EXPECT_EQ(model::test::TemporaryFolder::read(first),
              model::test::TemporaryFolder::read(second));
    keyboard().withMemory([&](usbgate::sim::DeviceMemory &now) {
        EXPECT_EQ(now.pages, uploaded.pages);
        EXPECT_EQ(now.macro, uploaded.macro);
    });
}

// The bank toggle comes in on the consumer collection; the status bytes go out
// to the status collection and read back as they were written, report id first.
TEST_F(DeviceLinkTest, BankToggleComesInAndTheStatusBytesGoOutAndReadBack) {
    const std::array<std::uint8_t, 2> status{0x05, 0x03};
    expectToggleInAndStatusOut(status);
    if (HasFatalFailure()) return;

    const devicelink::UsbgateLibrary &library = *GuestKeyboard::instance().library();
    std::uint32_t requestId = 0;

    const auto callback = usbgate::test::EventLog::callback;
    const std::uint32_t tag = 0x77;
    const std::uint32_t check =
        usbgate_check_value(devicelink::kStatusUnit.data(), callback, tag, nullptr, 0);
    ASSERT_EQ(library.entryPoints().requestStatusGet(devicelink::kStatusUnit.data(), callback, tag,
                                                     check, &requestId),
              1);
    const auto read =
        usbgate::test::EventLog::instance().next(USBGATE_EVENT_DATA, tag, std::chrono::seconds(10));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->data, std::vector<std::uint8_t>(status.begin(), status.end()));
}

// The same link when the vendor command report carries report id 4 beside the
// consumer and status reports on one interface.
TEST_F(DeviceLinkTest, EveryCollectionOnOneNumberedInterfaceWorksAlike) {
    const devicelink::UsbgateLibrary &library = *GuestKeyboard::instance().library();
    unplugAndExpectRemoval();
    replug(Layout::SharedInterface);
    EXPECT_EQ(library.deviceCount(devicelink::kCommandUnit), 1u);
    EXPECT_EQ(library.deviceCount(devicelink::kConsumerUnit), 1u);
    EXPECT_EQ(library.deviceCount(devicelink::kStatusUnit), 1u);

    std::array<std::uint8_t, 44> info{};
    EXPECT_EQ(commands->readInfo(info), 1);
    expectToggleInAndStatusOut({0x05, 0x02});

    unplugAndExpectRemoval();
    replug();
}

}  // namespace
}  // namespace kerneltest
