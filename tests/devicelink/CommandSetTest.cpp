#include <gtest/gtest.h>

#include "SimulatedKeyboard.h"
#include "devicelink/DeviceResult.h"

using namespace devicelink;
using namespace devicelink::testing;

namespace {

class CommandSetTest : public SimulatedKeyboardTest {
protected:
    // (length, offset) of every recorded report of one command.
    std::vector<std::pair<int, int>> chunksOf(CommandCode code) {
        std::vector<std::pair<int, int>> chunks;
        for (const Report &report : keyboard().writesOf(code)) {
            chunks.emplace_back(report[kLengthByte], reportOffset(report));
        }
        return chunks;
    }
    static std::vector<std::pair<int, int>> pageChunks(int page) {
        std::vector<std::pair<int, int>> chunks;
        for (int offset = 0; offset < 378; offset += 56) {
            chunks.emplace_back(offset == 336 ? 42 : 56, page * 378 + offset);
        }
        return chunks;
    }
};

}  // namespace

TEST_F(CommandSetTest, KeyPagesTravelInSevenChunksAtTheirPagesOffsets) {
    const std::vector<std::uint8_t> before0 = peek("page0", 0, 378);
    const std::vector<std::uint8_t> before2 = peek("page2", 0, 378);
    const std::vector<std::uint8_t> page = pattern(378, 7);
    KeyPage source;
    std::copy(page.begin(), page.end(), source.begin());
    EXPECT_EQ(commands->writeKeyPage(source, 1), kDone);
    EXPECT_EQ(chunksOf(CommandCode::WriteKeyPage), pageChunks(1));
    const Report first = keyboard().writesOf(CommandCode::WriteKeyPage).front();
    EXPECT_EQ(first[5], 0x7A);
    EXPECT_EQ(first[6], 0x01);
    EXPECT_EQ(peek("page1", 0, 378), page);
    EXPECT_EQ(peek("page0", 0, 378), before0);
    EXPECT_EQ(peek("page2", 0, 378), before2);

    const std::vector<std::uint8_t> other = pattern(378, 99);
    poke("page2", 0, other);
    KeyPage read{};
    EXPECT_EQ(commands->readKeyPage(read, 2), kDone);
    EXPECT_EQ(std::vector<std::uint8_t>(read.begin(), read.end()), other);
    EXPECT_EQ(chunksOf(CommandCode::ReadKeyPage), pageChunks(2));

    KeyPage matrix{};
    EXPECT_EQ(commands->readDefaultMatrix(matrix), kDone);
    EXPECT_EQ(std::vector<std::uint8_t>(matrix.begin(), matrix.end()), peek("default", 0, 378));
    EXPECT_EQ(chunksOf(CommandCode::ReadDefaultMatrix), pageChunks(0));
}

TEST_F(CommandSetTest, OutOfRangeArgumentsAreRefusedBeforeAnyReport) {
    KeyPage page{};
    EXPECT_EQ(commands->readKeyPage(page, 3), kOutOfRange);
    EXPECT_EQ(commands->writeKeyPage(page, 3), kOutOfRange);
    EXPECT_EQ(commands->writeKeyPage(page, -1), kOutOfRange);
    const std::vector<std::uint8_t> tooLong(57, 1);
    EXPECT_EQ(commands->writeParams(tooLong, 0), kOutOfRange);
    EXPECT_EQ(commands->writeParams(std::vector<std::uint8_t>(4, 1), 124), kOutOfRange);
    EXPECT_EQ(commands->writeKeyColours(std::vector<std::uint8_t>(3, 1), 0, 3), kOutOfRange);
    EXPECT_EQ(commands->writeKeyColours(std::vector<std::uint8_t>(3, 1), 0, -1), kOutOfRange);
    EXPECT_EQ(commands->writeKeyColours(std::vector<std::uint8_t>(6, 1), 170, 0), kOutOfRange);
    EXPECT_EQ(commands->setActiveProfile(3), kOutOfRange);
    std::array<std::uint8_t, 56> params{};
    EXPECT_EQ(commands->readParams(params, 57, 0), kOutOfRange);
    EXPECT_TRUE(keyboard().writes().empty());
}

TEST_F(CommandSetTest, MacroAreaIsSentInChunksOfAtMost56Bytes) {
    EXPECT_EQ(commands->writeMacroArea({}), kDone);
    std::vector<std::uint8_t> empty;
    EXPECT_EQ(commands->readMacroArea(empty), kDone);
    EXPECT_TRUE(keyboard().writes().empty());

    const std::vector<std::uint8_t> area = pattern(57, 3);
    EXPECT_EQ(commands->writeMacroArea(area), kDone);
    EXPECT_EQ(chunksOf(CommandCode::WriteMacroArea),
              (std::vector<std::pair<int, int>>{{56, 0}, {1, 56}}));
    EXPECT_EQ(peek("macro", 0, 57), area);
    EXPECT_EQ(keyboard().writesOf(CommandCode::WriteMacroArea)[1][kPayloadByte], area[56]);

    std::vector<std::uint8_t> read(57);
    EXPECT_EQ(commands->readMacroArea(read), kDone);
    EXPECT_EQ(read, area);
    EXPECT_EQ(chunksOf(CommandCode::ReadMacroArea),
              (std::vector<std::pair<int, int>>{{56, 0}, {1, 56}}));
}

TEST_F(CommandSetTest, FailingChunkEndsTheTransferWithItsResult) {
    KeyPage page{};
    keyboard().command("fault status 255 3");
    EXPECT_EQ(commands->writeKeyPage(page, 0), kStatusBusy);
    EXPECT_EQ(keyboard().writes().size(), 3u);

    // The keyboard leaves after three answered chunks. Its removal lands a
    // little after the third answer, so a chunk or two more may still go out
    // before the transfer notices; either way it fails and keeps what arrived.
    keyboard().clearWrites();
    const std::vector<std::uint8_t> before = peek("page1", 0, 378);
    keyboard().command("fault unplug-after 3");
    KeyPage read{};
    const std::int32_t result = commands->readKeyPage(read, 1);
    EXPECT_TRUE(result == kNoDevice || result == kWriteRefused || result == kNoAnswer) << result;
    EXPECT_TRUE(std::equal(read.begin(), read.begin() + 168, before.begin()));
    EXPECT_EQ(commands->readKeyPage(read, 1), kNoDevice);
}

TEST_F(CommandSetTest, InfoParamsAndColoursLandWhereTheyAreAddressed) {
    InfoBlock info{};
    EXPECT_EQ(commands->readInfo(info), kDone);
    EXPECT_EQ(std::vector<std::uint8_t>(info.begin(), info.end()), peek("info", 0, 44));
    EXPECT_EQ(keyboard().writesOf(CommandCode::ReadInfo).front()[kLengthByte], 44);

    const std::vector<std::uint8_t> colour = {0x12, 0x34, 0x56};
    EXPECT_EQ(commands->beginCommand(), kDone);
    EXPECT_EQ(commands->writeParams(colour, 42 + 5), kDone);
    EXPECT_EQ(commands->writeKeyColours(pattern(54, 1), 18, 1), kDone);
    EXPECT_EQ(commands->endCommand(), kDone);
    EXPECT_EQ(peek("params", 47, 3), colour);
    EXPECT_EQ(peek("colours1", 54, 54), pattern(54, 1));
    EXPECT_EQ(chunksOf(CommandCode::WriteKeyColours),
              (std::vector<std::pair<int, int>>{{54, 18 * 3 + 512}}));
    EXPECT_EQ(keyboard().writesOf(CommandCode::BeginCommand).size(), 1u);
    EXPECT_EQ(keyboard().writesOf(CommandCode::EndCommand).size(), 1u);
}

TEST_F(CommandSetTest, ActiveProfileIsCachedAndSetByRewritingTheInfoBlock) {
    std::vector<std::uint8_t> info = pattern(44, 60);
    info[10] = 1;
    poke("info", 0, info);
    EXPECT_EQ(commands->activeProfile(), 1);
    EXPECT_EQ(commands->activeProfile(), 1);
    EXPECT_EQ(keyboard().writesOf(CommandCode::ReadInfo).size(), 1u);

    EXPECT_EQ(commands->setActiveProfile(2), kDone);
    std::vector<std::uint8_t> expected = info;
    expected[10] = 2;
    EXPECT_EQ(peek("info", 0, 44), expected);
    const Report written = keyboard().writesOf(CommandCode::WriteInfo).front();
    EXPECT_EQ(written[kLengthByte], 44);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), written.begin() + kPayloadByte));
    keyboard().clearWrites();
    EXPECT_EQ(commands->activeProfile(), 2);
    EXPECT_TRUE(keyboard().writes().empty());

    // A failed read leaves the cache; a failed write forgets it.
    keyboard().command("fault status 254 3");
    EXPECT_EQ(commands->setActiveProfile(0), kStatusRefused);
    keyboard().clearWrites();
    EXPECT_EQ(commands->activeProfile(), 2);
    EXPECT_TRUE(keyboard().writes().empty());
    keyboard().refuseWritesOf(CommandCode::WriteInfo);
    EXPECT_EQ(commands->setActiveProfile(0), kWriteRefused);
    keyboard().clearWrites();
    EXPECT_EQ(commands->activeProfile(), 2);
    EXPECT_EQ(keyboard().writesOf(CommandCode::ReadInfo).size(), 1u);

    // A profile number the keyboard cannot hold is not cached.
    commands->forgetActiveProfile();
    poke("info", 10, {7});
    EXPECT_EQ(commands->activeProfile(), -1);
}
