#include <gtest/gtest.h>

#include "SimulatedKeyboard.h"
#include "devicelink/CommandGroups.h"
#include "devicelink/DeviceResult.h"

using namespace devicelink;
using namespace devicelink::testing;

namespace {

class CommandGroupsTest : public SimulatedKeyboardTest {
protected:
    // Code, length and offset of every report written.
    std::vector<std::array<int, 3>> sent() {
        std::vector<std::array<int, 3>> reports;
        for (const Report &report : keyboard().writes()) {
            reports.push_back({report[kCodeByte], report[kLengthByte], reportOffset(report)});
        }
        return reports;
    }
};

}  // namespace

TEST_F(CommandGroupsTest, ParameterWritesLandInTheProfilesRecordInsideOneGroup) {
    const std::vector<std::uint8_t> before = peek("params", 0, 126);
    EXPECT_EQ(writeParamColour(*commands, 2, 0, {0x10, 0x20, 0x30}), kDone);
    EXPECT_EQ(sent(), (std::vector<std::array<int, 3>>{
                          {0x01, 0, 0}, {0x06, 1, 88}, {0x06, 3, 89}, {0x02, 0, 0}}));
    EXPECT_EQ(peek("params", 88, 4), (std::vector<std::uint8_t>{0, 0x10, 0x20, 0x30}));

    keyboard().clearWrites();
    const std::vector<std::uint8_t> rate = {3};
    EXPECT_EQ(writeParamField(*commands, 0, 15, rate), kDone);
    EXPECT_EQ(peek("params", 15, 1), rate);

    EXPECT_EQ(writeLightingDefaults(*commands, 1), kDone);
    std::vector<std::uint8_t> defaults(35, 0);
    const std::uint8_t leading[] = {1, 4, 2, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(leading), std::end(leading), defaults.begin());
    EXPECT_EQ(peek("params", 42, 35), defaults);
    EXPECT_EQ(peek("params", 77, 7),
              std::vector<std::uint8_t>(before.begin() + 77, before.begin() + 84));

    EXPECT_EQ(writeParamField(*commands, 0, 40, std::vector<std::uint8_t>(3, 1)), kOutOfRange);
    EXPECT_EQ(writeLightingDefaults(*commands, 3), kOutOfRange);
}

TEST_F(CommandGroupsTest, KeyColourTableGoesOutIn18KeyReports) {
    KeyColourBytes table;
    const std::vector<std::uint8_t> colours = pattern(table.size(), 5);
    std::copy(colours.begin(), colours.end(), table.begin());
    EXPECT_EQ(writeKeyColourTable(*commands, 1, table), kDone);
    std::vector<std::array<int, 3>> expected = {{0x01, 0, 0}};
    for (int key = 0; key < 126; key += 18) expected.push_back({0x11, 54, key * 3 + 512});
    expected.push_back({0x02, 0, 0});
    EXPECT_EQ(sent(), expected);
    EXPECT_EQ(peek("colours1", 0, 378), colours);

    EXPECT_EQ(writeKeyColour(*commands, 2, 125, {1, 2, 3}), kDone);
    EXPECT_EQ(peek("colours2", 375, 3), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(writeKeyColour(*commands, 2, 126, {1, 2, 3}), kOutOfRange);
}

TEST_F(CommandGroupsTest, GroupIsClosedAfterAFailedWriteAndSkippedWhenItCannotOpen) {
    keyboard().refuseWritesOf(CommandCode::WriteKeyColours, 2);
    EXPECT_EQ(writeKeyColourTable(*commands, 0, KeyColourBytes{}), kWriteRefused);
    EXPECT_EQ(keyboard().writesOf(CommandCode::WriteKeyColours).size(), 3u);
    EXPECT_EQ(keyboard().writesOf(CommandCode::EndCommand).size(), 1u);

    keyboard().clearWrites();
    keyboard().refuseWritesOf(CommandCode::BeginCommand);
    EXPECT_EQ(writeLightingDefaults(*commands, 0), kWriteRefused);
    EXPECT_EQ(keyboard().writes().size(), 1u);
}
