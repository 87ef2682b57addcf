// The twelve entry points: check value and unit refusals, registrations, the
// event record layout and the status collection.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "LoadedLibrary.h"

namespace usbgate::test {
namespace {

using namespace std::chrono_literals;

class UsbgateEntryPoints : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(library->Init(0), 1); }

    uint32_t check(const Unit &unit, UsbgateCallback callback, uint32_t tag,
                   const std::vector<uint8_t> &data = {}) {
        return usbgate_check_value(unit.data(), callback, tag, data.empty() ? nullptr : data.data(),
                                   data.size());
    }

    TempFolder folder;
    LoadedLibrary library{folder};
};

TEST_F(UsbgateEntryPoints, EveryRequestWithAWrongCheckValueIsRefused) {
    auto report = commandReport(0x03, 44);
    const uint8_t *unit = kVendorUnit.data();
    auto cb = EventLog::callback;
    uint32_t id = 77;
    uint32_t good = check(kVendorUnit, nullptr, 0);
    EXPECT_EQ(library->RequestGetDeviceCount(unit, nullptr, 0, good, nullptr), 1);
    EXPECT_EQ(library->RequestGetDeviceCount(unit, nullptr, 0, good + 1, nullptr), 0);
    EXPECT_EQ(
        library->RequestAsyncRead(unit, cb, kTagCtrl, check(kVendorUnit, cb, kTagCtrl) - 1, &id),
        0);
    EXPECT_EQ(id, 77u);
    uint32_t reportCheck = check(kVendorUnit, nullptr, 0, report);
    EXPECT_EQ(
        library->RequestWriteOne(unit, nullptr, 0, report.data(), 64, reportCheck ^ 4, nullptr), 0);
    EXPECT_EQ(library->RequestWrite(unit, cb, 9, report.data(), 64, reportCheck, nullptr), 0);
    std::vector<uint8_t> status = {5, 3};
    uint32_t statusCheck = check(kStatusUnit, cb, kTagLed, status);
    EXPECT_EQ(library->RequestStatusWrite(kStatusUnit.data(), cb, kTagLed, status.data(), 2,
                                          statusCheck + 256, &id),
              0);
    EXPECT_EQ(library->RequestStatusGet(kStatusUnit.data(), cb, kTagLed, statusCheck, &id), 0);
    EXPECT_EQ(
        library->RequestStatusSetFeature(kStatusUnit.data(), cb, kTagLed, status.data(), 2, 0, &id),
        0);
    // The check value covers the data: the same check with other bytes is refused.
    report[20] = 1;
    EXPECT_EQ(library->RequestWriteOne(unit, nullptr, 0, report.data(), 64, reportCheck, nullptr),
              0);
}

TEST_F(UsbgateEntryPoints, UnitsOtherThanTheKeyboardsCollectionsAreRefused) {
    Unit otherUsage = unitOf(0xFF1C, 0x0093);
    Unit otherProduct = kVendorUnit;
    otherProduct[6] = 0x05;
    Unit badHeader = kVendorUnit;
    badHeader[0] = 16;
    for (const Unit &unit : {otherUsage, otherProduct, badHeader}) {
        uint32_t value = check(unit, nullptr, 0);
        EXPECT_EQ(library->RequestGetDeviceCount(unit.data(), nullptr, 0, value, nullptr), 0);
    }
    EXPECT_EQ(library->RequestGetDeviceCount(nullptr, nullptr, 0, 0, nullptr), 0);
    for (const Unit *unit : {&kVendorUnit, &kConsumerUnit, &kStatusUnit}) {
        EXPECT_EQ(library->RequestGetDeviceCount(unit->data(), nullptr, 0, check(*unit, nullptr, 0),
                                                 nullptr),
                  1);
    }
}

TEST_F(UsbgateEntryPoints, AnswersReachEveryCtrlRegistrationUntilWithdrawn) {
    library.registerReads();
    uint32_t second = 0;
    auto cb = EventLog::callback;
    ASSERT_EQ(library->RequestAsyncRead(kVendorUnit.data(), cb, 0x1234,
                                        check(kVendorUnit, cb, 0x1234), &second),
              1);
    ASSERT_EQ(library.write(commandReport(0x01)), 1);
    auto first = EventLog::instance().next(USBGATE_EVENT_DATA, kTagCtrl, 2000ms);
    auto other = EventLog::instance().next(USBGATE_EVENT_DATA, 0x1234, 2000ms);
    ASSERT_TRUE(first && other);
    // The record: count at byte 4, data pointer at byte 8, the report again
    // through the second record's pointer at byte 28.
    EXPECT_EQ(first->count, 64u);
    EXPECT_EQ(first->data, first->report);
    EXPECT_EQ(first->data[3], 0x01);
    EXPECT_EQ(other->data, first->data);

    EXPECT_EQ(library->DeleteRequestFromUnitId(second), 1);
    EXPECT_EQ(library->DeleteRequestFromUnitId(second), 0);
    ASSERT_EQ(library.write(commandReport(0x02)), 1);
    EXPECT_TRUE(EventLog::instance().next(USBGATE_EVENT_DATA, kTagCtrl, 2000ms));
    EXPECT_FALSE(EventLog::instance().next(USBGATE_EVENT_DATA, 0x1234, 200ms));

    // Withdrawing by handle removes every registration of that callback.
    EXPECT_EQ(library->DeleteRequestFromHandle(reinterpret_cast<void *>(cb)), 2);
    ASSERT_EQ(library.write(commandReport(0x02)), 1);
    EXPECT_FALSE(EventLog::instance().next(USBGATE_EVENT_DATA, kTagCtrl, 200ms));
}

TEST_F(UsbgateEntryPoints, RequestWriteHandsTheNextAnswerToItsCallbackOnce) {
    auto cb = EventLog::callback;
    auto report = commandReport(0x03, 44);
    uint32_t id = 0;
    ASSERT_EQ(library->RequestWrite(kVendorUnit.data(), cb, 0x55, report.data(), 64,
                                    check(kVendorUnit, cb, 0x55, report), &id),
              1);
    EXPECT_NE(id, 0u);
    auto answer = EventLog::instance().next(USBGATE_EVENT_DATA, 0x55, 2000ms);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->data[3], 0x03);
    ASSERT_EQ(library.write(report), 1);
    EXPECT_FALSE(EventLog::instance().next(USBGATE_EVENT_DATA, 0x55, 200ms));
}

TEST_F(UsbgateEntryPoints, StatusBytesAreKeptAndReadBack) {
    auto cb = EventLog::callback;
    std::vector<uint8_t> bank = {0x05, 0x03};
    uint32_t id = 0;
    ASSERT_EQ(library->RequestStatusWrite(kStatusUnit.data(), cb, kTagLed, bank.data(), 2,
                                          check(kStatusUnit, cb, kTagLed, bank), &id),
              1);
    EXPECT_NE(id, 0u);
    EXPECT_EQ(library->DeleteRequestFromUnitId(id), 0);  // a status write leaves nothing behind
    uint32_t getId = 0;
    ASSERT_EQ(library->RequestStatusGet(kStatusUnit.data(), cb, 0x77, check(kStatusUnit, cb, 0x77),
                                        &getId),
              1);
    auto status = EventLog::instance().next(USBGATE_EVENT_DATA, 0x77, 2000ms);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->data, bank);
    // The vendor collection carries no status.
    EXPECT_EQ(
        library->RequestStatusGet(kVendorUnit.data(), cb, 1, check(kVendorUnit, cb, 1), &getId), 0);
}

TEST_F(UsbgateEntryPoints, InitIsIdempotentAndEndStopsService) {
    EXPECT_EQ(library->Init(0), 1);
    EXPECT_EQ(library->End(), 1);
    EXPECT_EQ(library->End(), 0);
    EXPECT_EQ(library.deviceCount(), 0u);
    EXPECT_EQ(library.write(commandReport(0x01)), 0);
    EXPECT_EQ(library->Init(0), 1);
    EXPECT_EQ(library.deviceCount(), 1u);
}

// A callback that ends the library, as an application exiting from its
// callback thread would.
int32_t endingCallback(const UsbgateEvent *event);
const Entries *endingEntries = nullptr;
int32_t endingCallback(const UsbgateEvent *event) {
    EventLog::callback(event);
    endingEntries->End();
    return 1;
}

TEST_F(UsbgateEntryPoints, EndFromInsideACallbackNeitherHangsNorDeliversTwice) {
    endingEntries = &*library;
    uint32_t id = 0;
    ASSERT_EQ(library->RequestAsyncRead(kVendorUnit.data(), endingCallback, kTagCtrl,
                                        check(kVendorUnit, endingCallback, kTagCtrl), &id),
              1);
    ASSERT_EQ(library.write(commandReport(0x01)), 1);
    ASSERT_TRUE(EventLog::instance().next(USBGATE_EVENT_DATA, kTagCtrl, 2000ms));
    for (int i = 0; i < 100 && library.deviceCount() != 0; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_EQ(library.deviceCount(), 0u);
    // A fresh start serves again, each answer exactly once.
    ASSERT_EQ(library->Init(0), 1);
    library.registerReads();
    ASSERT_EQ(library.write(commandReport(0x02)), 1);
    EXPECT_TRUE(EventLog::instance().next(USBGATE_EVENT_DATA, kTagCtrl, 2000ms));
    EXPECT_FALSE(EventLog::instance().next(USBGATE_EVENT_DATA, kTagCtrl, 200ms));
}

// The default backend on this machine's real udev: no keyboard is attached,
// yet the library is ready and counts none.
TEST(UsbgateBackendChoice, HidrawIsTheDefaultAndReadyWithoutAKeyboard) {
    TempFolder folder;
    LoadedLibrary library(folder);
    unsetenv("USBGATE_BACKEND");
    ASSERT_EQ(library->Init(0), 1);
    EXPECT_EQ(library.deviceCount(), 0u);
    EXPECT_EQ(library.write(commandReport(0x01)), 0);
    EXPECT_FALSE(std::filesystem::exists(library.socketPath()));  // no simulator running
}

TEST(UsbgateBackendChoice, UnknownBackendNameFailsInit) {
    TempFolder folder;
    LoadedLibrary library(folder);
    setenv("USBGATE_BACKEND", "carrier-pigeon", 1);
    EXPECT_EQ(library->Init(0), 0);
    EXPECT_EQ(library.deviceCount(), 0u);
}

}  // namespace
}  // namespace usbgate::test
