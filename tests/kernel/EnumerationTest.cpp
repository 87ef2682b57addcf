// The hidraw backend finds the keyboard's collections among the kernel's
// hidraw nodes by the ids in sysfs and the report descriptors the kernel keeps.
#include <array>

#include "GuestKeyboard.h"

namespace kerneltest {
namespace {

using EnumerationTest = GuestKeyboardTest;

TEST_F(EnumerationTest, FindsEachCollectionOnceAndLeavesTheOtherMakersDeviceAlone) {
    const devicelink::UsbgateLibrary &library = *GuestKeyboard::instance().library();
    // Four nodes: boot keyboard, media and vendor interfaces, the other device.
    EXPECT_TRUE(GuestKeyboard::waitForNodes(4));
    EXPECT_EQ(library.deviceCount(devicelink::kCommandUnit), 1u);
    EXPECT_EQ(library.deviceCount(devicelink::kConsumerUnit), 1u);
    EXPECT_EQ(library.deviceCount(devicelink::kStatusUnit), 1u);

    const std::uint64_t before = keyboard().answers();
    std::array<std::uint8_t, 44> info{};
    ASSERT_EQ(commands->readInfo(info), 1);
    EXPECT_EQ(keyboard().answers(), before + 1);
    EXPECT_EQ(GuestKeyboard::instance().foreignOutputs(), 0u);
}

}  // namespace
}  // namespace kerneltest
