// Faults of the simulated keyboard, each observable through the library.
#include <gtest/gtest.h>

#include <chrono>

#include "LoadedLibrary.h"
#include "SimControl.h"

namespace usbgate::test {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

class UsbgateFaultInjection : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(library->Init(0), 1);
        library.registerReads();
    }

    std::optional<RecordedEvent> nextAnswer(milliseconds timeout = 2000ms) {
        return EventLog::instance().next(USBGATE_EVENT_DATA, kTagCtrl, timeout);
    }

    TempFolder folder;
    LoadedLibrary library{folder};
    SimControl control{library.socketPath()};
    const std::vector<uint8_t> readInfo = commandReport(0x03, 44);
};

TEST_F(UsbgateFaultInjection, DroppedAnswersNeverArriveButTheCommandIsCounted) {
    ASSERT_TRUE(control.resetStats());
    ASSERT_TRUE(control.dropNext(2));
    ASSERT_EQ(library.write(readInfo), 1);
    ASSERT_EQ(library.write(readInfo), 1);
    EXPECT_FALSE(nextAnswer(300ms));
    EXPECT_TRUE(library.exchange(readInfo));
    auto stats = control.stats();
    ASSERT_TRUE(stats);
    EXPECT_EQ((*stats)[0x03], 3u);
}

TEST_F(UsbgateFaultInjection, ForeignAnswersCarryAnotherCommandCode) {
    ASSERT_TRUE(control.foreignNext(1));
    auto foreign = library.exchange(readInfo);
    ASSERT_TRUE(foreign);
    EXPECT_NE(foreign->at(3), 0x03);
    EXPECT_EQ(library.exchange(readInfo).value().at(3), 0x03);
}

TEST_F(UsbgateFaultInjection, RefusalStatusesLeaveMemoryUntouched) {
    ASSERT_TRUE(control.statusNext(255, 1));
    ASSERT_TRUE(control.statusNext(254, 2));  // the later setting replaces the earlier
    auto write = commandReport(0x06, 1, 0, {9});
    EXPECT_EQ(library.exchange(write).value().at(7), 254);
    EXPECT_EQ(library.exchange(write).value().at(7), 254);
    EXPECT_EQ(control.peek("params", 0, 1), std::vector<uint8_t>{1});
    EXPECT_EQ(library.exchange(write).value().at(7), 0);
    EXPECT_EQ(control.peek("params", 0, 1), std::vector<uint8_t>{9});
    ASSERT_TRUE(control.statusNext(255, 1));
    EXPECT_EQ(library.exchange(readInfo).value().at(7), 255);
}

TEST_F(UsbgateFaultInjection, DelayedAnswersArriveLate) {
    ASSERT_TRUE(control.delayNext(300, 1));
    ASSERT_EQ(library.write(readInfo), 1);
    EXPECT_FALSE(nextAnswer(100ms));
    EXPECT_TRUE(nextAnswer(2000ms));
    // Latency applies to every answer until set back to 0.
    ASSERT_TRUE(control.latency(200));
    ASSERT_EQ(library.write(readInfo), 1);
    EXPECT_FALSE(nextAnswer(50ms));
    EXPECT_TRUE(nextAnswer(2000ms));
    ASSERT_TRUE(control.latency(0));
    EXPECT_TRUE(library.exchange(readInfo, 500ms));
}

TEST_F(UsbgateFaultInjection, UnplugInTheMiddleOfATransfer) {
    ASSERT_TRUE(control.unplugAfter(2));
    EXPECT_TRUE(library.exchange(commandReport(0x07, 56, 0)));
    EXPECT_TRUE(library.exchange(commandReport(0x07, 56, 56)));
    auto gone = EventLog::instance().next(USBGATE_EVENT_DEVICE_COUNT, kTagCtrl, 2000ms);
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->count, 0u);
    EXPECT_EQ(library.deviceCount(), 0u);
    EXPECT_EQ(library.write(commandReport(0x07, 56, 112)), 0);
    ASSERT_TRUE(control.plug());
    EXPECT_TRUE(library.exchange(commandReport(0x07, 56, 112)));
}

TEST_F(UsbgateFaultInjection, ClearEndsEveryPendingFault) {
    ASSERT_TRUE(control.dropNext(5));
    ASSERT_TRUE(control.statusNext(255, 5));
    ASSERT_TRUE(control.clearFaults());
    auto answer = library.exchange(readInfo);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->at(7), 0);
}

TEST_F(UsbgateFaultInjection, ControlChannelRejectsMalformedCommands) {
    for (const char *command :
         {"fault drop", "fault drop -1", "fault status 253 1", "fault delay x 1", "frobnicate",
          "poke info 0 ABC", "peek page3 0 1", "peek info 40 5", "event 0x10000", "capacity 40000",
          ""}) {
        EXPECT_FALSE(control.send(command)) << command;
        EXPECT_FALSE(control.lastError().empty());
    }
    EXPECT_TRUE(control.send("stats"));
}

}  // namespace
}  // namespace usbgate::test
