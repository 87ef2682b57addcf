// Keyboard arrival and removal, consumer events and the state file across a
// restart of the library.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "LoadedLibrary.h"
#include "SimControl.h"

namespace usbgate::test {
namespace {

using namespace std::chrono_literals;

TEST(UsbgatePresence, PlugAndUnplugNotifyEveryCtrlRegistration) {
    TempFolder folder;
    setenv("USBGATE_SIM_PLUGGED", "0", 1);
    LoadedLibrary library(folder);
    ASSERT_EQ(library->Init(0), 1);
    unsetenv("USBGATE_SIM_PLUGGED");
    library.registerReads();
    EXPECT_EQ(library.deviceCount(), 0u);
    SimControl control(library.socketPath());
    ASSERT_TRUE(control.plug());
    auto arrived = EventLog::instance().next(USBGATE_EVENT_DEVICE_COUNT, kTagCtrl, 2000ms);
    ASSERT_TRUE(arrived);
    EXPECT_EQ(arrived->count, 1u);
    EXPECT_EQ(library.deviceCount(), 1u);
    ASSERT_TRUE(control.plug());  // already present: no second notification
    ASSERT_TRUE(control.unplug());
    auto left = EventLog::instance().next(USBGATE_EVENT_DEVICE_COUNT, kTagCtrl, 2000ms);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->count, 0u);
    EXPECT_EQ(EventLog::instance().pending(USBGATE_EVENT_DEVICE_COUNT, kTagCtrl), 0u);
    // The consumer registration hears no count changes.
    EXPECT_EQ(EventLog::instance().pending(USBGATE_EVENT_DEVICE_COUNT, kTagCons), 0u);
}

TEST(UsbgatePresence, ConsumerEventCodesReachTheConsRegistration) {
    TempFolder folder;
    LoadedLibrary library(folder);
    ASSERT_EQ(library->Init(0), 1);
    library.registerReads();
    SimControl control(library.socketPath());
    for (uint16_t code : {0x02FF, 0x0401, 0x1810, 0x1811}) {
        ASSERT_TRUE(control.event(code));
        auto event = EventLog::instance().next(USBGATE_EVENT_DATA, kTagCons, 2000ms);
        ASSERT_TRUE(event);
        ASSERT_GE(event->report.size(), 2u);
        EXPECT_EQ(event->report[0] | event->report[1] << 8, code);
    }
    EXPECT_EQ(EventLog::instance().pending(USBGATE_EVENT_DATA, kTagCtrl), 0u);
    ASSERT_TRUE(control.unplug());
    EXPECT_FALSE(control.event(0x02FF));
}

TEST(UsbgatePresence, MemorySurvivesARestartOfTheLibrary) {
    TempFolder folder;
    std::vector<uint8_t> page = {2, 2, 0x04, 3, 0xCD, 0};
    {
        LoadedLibrary library(folder);
        ASSERT_EQ(library->Init(0), 1);
        library.registerReads();
        ASSERT_TRUE(library.exchange(commandReport(0x01)));
        ASSERT_TRUE(library.exchange(commandReport(0x08, 6, 378 + 30, page)));
        ASSERT_TRUE(library.exchange(commandReport(0x02)));
        auto info = library.exchange(commandReport(0x03, 44)).value();
        std::vector<uint8_t> block(info.begin() + 8, info.begin() + 52);
        block[10] = 1;
        ASSERT_TRUE(library.exchange(commandReport(0x04, 44, 0, block)));
        SimControl control(library.socketPath());
        ASSERT_TRUE(control.capacity(1024));
    }
    ASSERT_TRUE(std::filesystem::exists(folder.path() + "/usbgate/simulator.state"));
    setenv("USBGATE_SIM_FIRMWARE", "0x0108", 1);
    LoadedLibrary library(folder);
    ASSERT_EQ(library->Init(0), 1);
    unsetenv("USBGATE_SIM_FIRMWARE");
    library.registerReads();
    auto chunk = library.exchange(commandReport(0x07, 6, 378 + 30)).value();
    EXPECT_EQ(std::vector<uint8_t>(chunk.begin() + 8, chunk.begin() + 14), page);
    auto info = library.exchange(commandReport(0x03, 44)).value();
    EXPECT_EQ(info[8 + 10], 1);
    EXPECT_EQ(info[8 + 11], 8);
    EXPECT_EQ(info[8 + 8] | info[8 + 9] << 8, 0x0108);
}

TEST(UsbgatePresence, ADamagedStateFileIsKeptAsideAndFactoryMemoryUsed) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() + "/usbgate");
    const std::string state = folder.path() + "/usbgate/simulator.state";
    {
        LoadedLibrary library(folder);
        ASSERT_EQ(library->Init(0), 1);
        SimControl control(library.socketPath());
        ASSERT_TRUE(control.poke("params", 0, {7}));
    }
    // Flip one byte in the middle of the file.
    std::fstream file(state, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(100);
    file.put('\x5A');
    file.close();
    auto damagedSize = std::filesystem::file_size(state);
    LoadedLibrary library(folder);
    ASSERT_EQ(library->Init(0), 1);
    SimControl control(library.socketPath());
    EXPECT_EQ(control.peek("params", 0, 1), std::vector<uint8_t>{1});
    ASSERT_TRUE(std::filesystem::exists(state + ".corrupt"));
    EXPECT_EQ(std::filesystem::file_size(state + ".corrupt"), damagedSize);
}

}  // namespace
}  // namespace usbgate::test
