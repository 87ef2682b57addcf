#include <gtest/gtest.h>

#include "SimulatedLighting.h"
#include "platform/IniFile.h"

using namespace lighting;
using namespace lighting::test;
using devicelink::CommandCode;
using Bytes = std::vector<std::uint8_t>;

TEST_F(SimulatedLightingTest, ReadBackBuildsModeListAndUnpacksTheCurrentRecord) {
    setModeBytes({1, 2, 0, 20});
    Bytes record1(42, 0);
    record1[0] = 3, record1[1] = 2, record1[2] = 1, record1[4] = 1;
    record1[15] = 9, record1[17] = 7;
    poke("params", 42, record1);
    model->setCurrentProfile(1);
    ASSERT_EQ(model->reloadLighting(), 0);
    EXPECT_EQ(model->modes().size(), 3);
    EXPECT_EQ(model->modes().codeOf(2), 20);
    EXPECT_EQ(model->modes().indexOf(5), -1);
    const LightingState &state = model->state();
    EXPECT_EQ(state.mode, 3);
    EXPECT_EQ(state.brightness, 2);
    EXPECT_EQ(state.speed, 1);
    EXPECT_TRUE(state.multicolour);
    EXPECT_EQ(state.reportRate, 3);
    EXPECT_EQ(state.presetColour, 0);
    EXPECT_EQ(model->record(1)[15], 9);  // the mirror keeps the bytes as read
    EXPECT_EQ(countOf(CommandCode::BeginCommand), 1);
    EXPECT_EQ(countOf(CommandCode::EndCommand), 1);
}

TEST_F(SimulatedLightingTest, UnreadableInfoBlockLeavesStateAndEmptiesTheList) {
    ASSERT_EQ(model->reloadLighting(), 0);
    int mode = model->state().mode;
    ASSERT_GT(model->modes().size(), 0);
    keyboard().command("unplug");
    EXPECT_EQ(model->reloadLighting(), -1);
    EXPECT_EQ(model->modes().size(), 0);
    EXPECT_EQ(model->state().mode, mode);
    EXPECT_EQ(model->reloadAllLighting(), -1);

    // Writes to a missing keyboard fail; the working state holds the new value.
    EXPECT_NE(model->setColour(makeColour(1, 2, 3)), 1);
    EXPECT_EQ(model->state().colour, makeColour(1, 2, 3));
    EXPECT_NE(model->setReportRate(2), 1);
    EXPECT_EQ(model->state().reportRate, 2);
}

TEST_F(SimulatedLightingTest, ViewSwitchFollowsTheSettingsFile) {
    auto settings = paths().settingsFile;
    platform::writeIniString(settings, u"KEYCOLOR", u"DengCheck", u"1");
    ASSERT_EQ(model->reloadLighting(), 0);
    EXPECT_TRUE(model->state().viewOn);
    // A plain read-back only ever switches it on; the full one follows the file.
    platform::writeIniString(settings, u"KEYCOLOR", u"DengCheck", u"0");
    model->reloadLighting();
    EXPECT_TRUE(model->state().viewOn);
    model->reloadAllLighting();
    EXPECT_FALSE(model->state().viewOn);

    host.allowReselect = false;
    EXPECT_FALSE(model->setLightingView(true));
    EXPECT_FALSE(model->state().viewOn);
    EXPECT_EQ(platform::readIniString(settings, u"KEYCOLOR", u"DengCheck", u""), u"0");
    host.allowReselect = true;
    EXPECT_TRUE(model->setLightingView(true));
    EXPECT_TRUE(model->state().viewOn);
    EXPECT_EQ(platform::readIniString(settings, u"KEYCOLOR", u"DengCheck", u""), u"1");
    EXPECT_TRUE(model->setLightingView(false));
    EXPECT_EQ(host.reselections, 2);
    EXPECT_EQ(platform::readIniString(settings, u"KEYCOLOR", u"DengCheck", u""), u"0");
    EXPECT_EQ(countOf(CommandCode::WriteParams), 0);  // the switch never reaches the keyboard
}

TEST_F(SimulatedLightingTest, SlidersWriteOnlyChangedValues) {
    Bytes fields{4, 2, 3};  // mode 4, brightness 2, speed 3
    poke("params", 0, fields);
    ASSERT_EQ(model->reloadLighting(), 0);
    keyboard().clearWrites();
    model->setSpeed(1);  // position 1 is speed 3: unchanged
    model->setBrightness(2);
    EXPECT_EQ(countOf(CommandCode::WriteParams), 0);
    EXPECT_EQ(countOf(CommandCode::BeginCommand), 0);

    model->setSpeed(0);
    model->setBrightness(4);
    EXPECT_EQ(record(0)[2], 4);
    EXPECT_EQ(record(0)[1], 4);
    EXPECT_EQ(model->state().speed, 4);
    EXPECT_EQ(paramWrites(), (std::vector<std::pair<int, int>>{{2, 1}, {1, 1}}));
    // Out-of-range positions are refused without a write.
    EXPECT_EQ(model->setBrightness(5), 0);
    EXPECT_EQ(model->setSpeed(-1), 0);
    EXPECT_EQ(countOf(CommandCode::WriteParams), 2);
}

TEST_F(SimulatedLightingTest, ModeSelectionWritesTheModeAndItsColourChoice) {
    poke("params", 4, Bytes{0x77});
    ASSERT_EQ(model->reloadLighting(), 0);
    keyboard().clearWrites();
    std::uint32_t selections = model->state().modeSelections;
    selectCode(10);
    EXPECT_EQ(record(0)[0], 10);
    EXPECT_EQ(record(0)[4], 0x77);
    EXPECT_EQ(paramWrites(), (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(model->state().modeSelections, selections + 1);

    keyboard().clearWrites();
    selectCode(9);
    EXPECT_EQ(record(0)[0], 9);
    EXPECT_EQ(record(0)[4], 1);  // 0x77 reads as multicolour
    EXPECT_EQ(paramWrites(), (std::vector<std::pair<int, int>>{{0, 1}, {4, 1}}));
    EXPECT_EQ(countOf(CommandCode::BeginCommand), 1);

    // A code the system does not drive is selected without any write.
    setModeBytes({1, 19, 20});
    model->reloadLighting();
    keyboard().clearWrites();
    selectCode(19);
    EXPECT_EQ(model->state().mode, 19);
    EXPECT_EQ(countOf(CommandCode::WriteParams), 0);
    EXPECT_EQ(model->selectMode(7), 0);  // no such selector entry
    EXPECT_EQ(model->state().mode, 19);
}

TEST_F(SimulatedLightingTest, ColourAndOtherFieldsGoToTheCurrentProfilesRecord) {
    model->setCurrentProfile(2);
    ASSERT_EQ(model->reloadLighting(), 0);
    poke("params", 84 + 4, Bytes{1});
    keyboard().clearWrites();
    model->setColour(makeColour(0x10, 0x20, 0x30));
    EXPECT_EQ(peek("params", 88, 4), (Bytes{0x00, 0x10, 0x20, 0x30}));
    EXPECT_EQ(paramWrites(), (std::vector<std::pair<int, int>>{{88, 1}, {89, 3}}));
    EXPECT_FALSE(model->state().multicolour);

    Bytes before0 = record(0), before1 = record(1);
    model->toggleMulticolour();
    model->setDirection(kDirectionForward);
    model->setPresetColourIndex(2);
    model->setReportRate(3);
    Bytes record2 = record(2);
    EXPECT_EQ(record2[4], 1);
    EXPECT_EQ(record2[3], 0xFF);
    EXPECT_EQ(record2[17], 2);
    EXPECT_EQ(record2[15], 3);
    EXPECT_TRUE(std::equal(record2.begin(), record2.end(), model->record(2).begin()));
    EXPECT_EQ(record(0), before0);
    EXPECT_EQ(record(1), before1);
    EXPECT_EQ(model->setReportRate(4), 0);
    EXPECT_EQ(model->setPresetColourIndex(-1), 0);
}

TEST_F(SimulatedLightingTest, DefaultsRewriteTheFirst35BytesOfTheRecord) {
    model->setCurrentProfile(1);
    poke("params", 42, Bytes(42, 0xAA));
    poke("params", 43, Bytes{2});
    setModeBytes({1, 2, 3});
    ASSERT_EQ(model->reloadLighting(), 0);
    keyboard().clearWrites();
    model->restoreLightingDefaults();
    Bytes expected{0x01, 0x04, 0x02, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    expected.resize(35, 0);
    expected.resize(42, 0xAA);
    EXPECT_EQ(record(1), expected);
    // Mode 1 is selected first, then the record is written whole.
    auto writes = paramWrites();
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.back(), (std::pair<int, int>{42, 35}));
    EXPECT_EQ(model->state().mode, 1);
    EXPECT_TRUE(model->state().multicolour);
    EXPECT_EQ(model->state().colour, kWhite);

    // The working values match the keyboard: moving the slider back to the
    // brightness read before the defaults is written.
    keyboard().clearWrites();
    model->setBrightness(2);
    EXPECT_EQ(record(1)[1], 2);
    EXPECT_EQ(countOf(CommandCode::WriteParams), 1);
}

TEST_F(SimulatedLightingTest, ReadBackReadsAllThreeRecordsInOneGroupAndKeepsAFailedOne) {
    const Bytes area = devicelink::testing::pattern(126, 11);
    poke("params", 0, area);
    ASSERT_EQ(model->reloadLighting(), 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(
            std::equal(model->record(k).begin(), model->record(k).end(), area.begin() + k * 42))
            << "record " << k;
    }
    std::vector<int> codes;
    std::vector<std::pair<int, int>> reads;
    for (const devicelink::Report &report : keyboard().writes()) {
        codes.push_back(report[devicelink::kCodeByte]);
        if (report[devicelink::kCodeByte] == 0x05)
            reads.push_back({report[devicelink::kLengthByte], devicelink::reportOffset(report)});
    }
    EXPECT_EQ(codes, (std::vector<int>{0x03, 0x01, 0x05, 0x05, 0x05, 0x02}));
    EXPECT_EQ(reads, (std::vector<std::pair<int, int>>{{56, 0}, {56, 42}, {56, 84}}));

    // The second record cannot be read: it keeps what was read before, and the
    // group is still closed.
    poke("params", 0, Bytes(126, 0x44));
    keyboard().clearWrites();
    keyboard().refuseWritesOf(CommandCode::ReadParams, 1);
    ASSERT_EQ(model->reloadLighting(), 0);
    const auto mirrored = [&](int k) {
        return Bytes(model->record(k).begin(), model->record(k).end());
    };
    EXPECT_EQ(mirrored(0), Bytes(42, 0x44));
    EXPECT_EQ(mirrored(1), Bytes(area.begin() + 42, area.begin() + 84));
    EXPECT_EQ(countOf(CommandCode::EndCommand), 1);
}

TEST_F(SimulatedLightingTest, KeyColourBlockGoesOutIn18KeyReportsAndTheGroupAlwaysCloses) {
    setModeBytes({1, 20});
    model->setCurrentProfile(1);
    ASSERT_EQ(model->reloadAllLighting(), 0);
    keyboard().clearWrites();
    ASSERT_EQ(model->loadUserMode(), 1);
    std::vector<std::pair<int, int>> chunks;
    for (const devicelink::Report &report : keyboard().writesOf(CommandCode::WriteKeyColours))
        chunks.push_back({report[devicelink::kLengthByte], devicelink::reportOffset(report)});
    std::vector<std::pair<int, int>> expected;
    for (int key = 0; key < 126; key += 18)
        expected.push_back({54, int(devicelink::kKeyColourSlotSize) + key * 3});
    EXPECT_EQ(chunks, expected);
    Bytes block = peek("colours1", 0, 378);
    EXPECT_EQ(Bytes(block.begin() + slot::A * 3, block.begin() + slot::A * 3 + 3),
              (Bytes{0xFF, 0, 0}));

    keyboard().clearWrites();
    keyboard().refuseWritesOf(CommandCode::WriteKeyColours, 2);
    EXPECT_NE(model->loadUserMode(), 1);
    EXPECT_EQ(countOf(CommandCode::EndCommand), 1);
}
