// A download through the real libUsbgate.so while the simulated keyboard
// answers slowly and one answer comes only after its exchange gave up on it.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <numeric>

#include "ProfileTestSupport.h"
#include "SimulatedKeyboard.h"
#include "TestTexts.h"
#include "model/DeviceImage.h"

using namespace model;

namespace {

class LateAnswerDownloadTest : public devicelink::testing::SimulatedKeyboardTest {
protected:
    void SetUp() override {
        SimulatedKeyboardTest::SetUp();
        ASSERT_EQ(memory.readDefaultMatrix(*commands, {}), 1);
        std::array<std::uint8_t, 44> info{};
        ASSERT_EQ(commands->readInfo(info), 1);
        memory.setMacroCapacityFromInfo(info);
    }

    std::vector<std::uint8_t> download(const std::filesystem::path &path) {
        ProfileStore snapshot;
        DeviceImageTransfer transfer(
            *commands, memory, snapshot, [] { return 0; }, [](const UserMessage &) {},
            test::testTexts());
        EXPECT_TRUE(transfer.downloadDeviceImage(path));
        return test::readBytes(path);
    }

    KeyboardMemory memory;
};

// The late answer is the first key-page chunk's: it arrives while a later
// chunk of the same page waits, with the same command code. Taken for that
// chunk's answer, it would shift every later chunk by one.
TEST_F(LateAnswerDownloadTest, LateAnswerCostsARetryButTheFileEqualsACleanDownload) {
    test::TemporaryFolder folder;
    const std::vector<std::uint8_t> clean = download(folder / "clean.vrp");
    ASSERT_FALSE(clean.empty());

    keyboard().command("latency 20");
    keyboard().clearWrites();
    // Past the 200 ms answer wait of the test timing, and long enough for
    // several more chunks to be exchanged before it arrives.
    keyboard().command("fault delay 300 1");
    const std::vector<std::uint8_t> late = download(folder / "late.vrp");
    ASSERT_EQ(late.size(), clean.size());
    const auto differing = std::inner_product(late.begin(), late.end(), clean.begin(), 0,
                                              std::plus<>(), std::not_equal_to<>());
    EXPECT_EQ(differing, 0) << "bytes that differ from the clean download";
    EXPECT_GT(keyboard().writesOf(devicelink::CommandCode::ReadKeyPage).size(), 21u)
        << "the delayed answer should have cost the first chunk a second write";
}

}  // namespace
