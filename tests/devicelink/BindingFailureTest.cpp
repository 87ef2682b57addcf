#include <gtest/gtest.h>

#include "devicelink/UsbgateLibrary.h"

using namespace devicelink;

TEST(UsbgateBinding, ReportsEachFailureAndHandsOutNoLibrary) {
    const BindResult absent = bindUsbgate("/nonexistent/folder/libUsbgate.so");
    EXPECT_EQ(absent.status, BindStatus::LibraryNotLoaded);
    EXPECT_EQ(absent.library, nullptr);

    // Eleven of the twelve entry points are not enough.
    const BindResult partial = bindUsbgate(FAKE_USBGATE_PARTIAL);
    EXPECT_EQ(partial.status, BindStatus::EntryPointMissing);
    EXPECT_NE(partial.detail.find("RequestStatusSetFeature"), std::string::npos);
    EXPECT_EQ(partial.library, nullptr);

    // All entry points present, but Init(0) does not report more than 0.
    const BindResult refusing = bindUsbgate(FAKE_USBGATE_REFUSING);
    EXPECT_EQ(refusing.status, BindStatus::InitFailed);
    EXPECT_EQ(refusing.library, nullptr);
}

TEST(UsbgateBinding, DefaultPathIsBesideTheExecutable) {
    const std::filesystem::path path = defaultUsbgatePath();
    EXPECT_EQ(path.filename(), "libUsbgate.so");
    EXPECT_TRUE(std::filesystem::exists(path.parent_path() / "devicelink_binding_test"));
}
