// Every command of the keyboard answered by the simulated keyboard through the
// loaded library, and refusals for malformed requests.
#include <gtest/gtest.h>

#include "LoadedLibrary.h"
#include "SimControl.h"

namespace usbgate::test {
namespace {

constexpr uint8_t kOk = 0;
constexpr uint8_t kRefused = 255;

class UsbgateSimulatorCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(library->Init(0), 1);
        library.registerReads();
    }

    std::vector<uint8_t> answer(uint8_t code, uint8_t length = 0, uint16_t offset = 0,
                                const std::vector<uint8_t> &payload = {}) {
        auto reply = library.exchange(commandReport(code, length, offset, payload));
        EXPECT_TRUE(reply.has_value()) << "no answer to command " << int(code);
        return reply.value_or(std::vector<uint8_t>(64, 0xEE));
    }

    uint8_t status(uint8_t code, uint8_t length = 0, uint16_t offset = 0,
                   const std::vector<uint8_t> &payload = {}) {
        return answer(code, length, offset, payload)[7];
    }

    std::vector<uint8_t> data(const std::vector<uint8_t> &reply, size_t length) {
        return {reply.begin() + 8, reply.begin() + 8 + static_cast<ptrdiff_t>(length)};
    }

    TempFolder folder;
    LoadedLibrary library{folder};
    SimControl control{library.socketPath()};
};

std::vector<uint8_t> pattern(size_t length, uint8_t seed) {
    std::vector<uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
    return bytes;
}

TEST_F(UsbgateSimulatorCommands, AnswersEchoTheHeaderAndCarryACheckSum) {
    auto reply = answer(0x05, 20, 42);
    ASSERT_EQ(reply.size(), 64u);
    EXPECT_EQ(reply[0], 4);
    EXPECT_EQ(reply[3], 0x05);
    EXPECT_EQ(reply[4], 20);
    EXPECT_EQ(reply[5], 42);
    EXPECT_EQ(reply[6], 0);
    EXPECT_EQ(reply[7], kOk);
    EXPECT_EQ(reply[1] | reply[2] << 8, checkSumOf(reply));
    EXPECT_EQ(status(0x01), kOk);
    EXPECT_EQ(status(0x02), kOk);
}

TEST_F(UsbgateSimulatorCommands, InfoBlockReadsAndOnlyTheProfileIsWritable) {
    auto info = data(answer(0x03, 44), 44);
    EXPECT_EQ(info[8] | info[9] << 8, 0x0109);
    EXPECT_EQ(info[10], 0);
    EXPECT_EQ(info[11], 0x80);
    std::vector<uint8_t> modes(info.begin() + 12, info.begin() + 31);
    EXPECT_EQ(modes, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                                           17, 18, 20}));
    EXPECT_EQ(info[31], 0);

    auto changed = info;
    changed[10] = 2;
    changed[8] = 0x01;  // an attempt to change the firmware version is ignored
    changed[11] = 0x01;
    EXPECT_EQ(status(0x04, 44, 0, changed), kOk);
    auto after = data(answer(0x03, 44), 44);
    EXPECT_EQ(after[10], 2);
    EXPECT_EQ(after[8] | after[9] << 8, 0x0109);
    EXPECT_EQ(after[11], 0x80);

    changed[10] = 3;  // no fourth profile
    EXPECT_EQ(status(0x04, 44, 0, changed), kRefused);
    EXPECT_EQ(data(answer(0x03, 44), 44)[10], 2);
    EXPECT_EQ(status(0x03, 43), kRefused);
}

TEST_F(UsbgateSimulatorCommands, ParameterRecordsRoundTripAndTheLastWindowReadsPastTheEnd) {
    auto record = pattern(42, 3);
    EXPECT_EQ(status(0x06, 42, 42, record), kOk);
    EXPECT_EQ(data(answer(0x05, 56, 42), 42), record);
    EXPECT_EQ(control.peek("params", 42, 42), record);
    // The host reads record 2 as a 56-byte window at offset 84: 42 bytes, then zeros.
    EXPECT_EQ(status(0x06, 42, 84, record), kOk);
    auto last = answer(0x05, 56, 84);
    EXPECT_EQ(last[7], kOk);
    EXPECT_EQ(data(last, 42), record);
    EXPECT_EQ(data(last, 56).back(), 0);
    // A single field in the middle of a record.
    EXPECT_EQ(status(0x06, 1, 15, {3}), kOk);
    EXPECT_EQ(control.peek("params", 15, 1), std::vector<uint8_t>{3});
    // A write must fit: 43 bytes at 84 would run past the area.
    EXPECT_EQ(status(0x06, 43, 84, pattern(43, 1)), kRefused);
    EXPECT_EQ(status(0x05, 56, 126), kRefused);
}

TEST_F(UsbgateSimulatorCommands, KeyPagesTransferInSevenChunksAndLeaveOtherPagesAlone) {
    auto page = pattern(378, 11);
    auto pageTwoBefore = control.peek("page2", 0, 378);
    for (uint16_t o = 0; o < 378; o += 56) {
        uint8_t n = static_cast<uint8_t>(std::min<int>(56, 378 - o));
        std::vector<uint8_t> chunk(page.begin() + o, page.begin() + o + n);
        ASSERT_EQ(status(0x08, n, static_cast<uint16_t>(378 + o), chunk), kOk) << o;
    }
    std::vector<uint8_t> readBack;
    for (uint16_t o = 0; o < 378; o += 56) {
        uint8_t n = static_cast<uint8_t>(std::min<int>(56, 378 - o));
        auto chunk = data(answer(0x07, n, static_cast<uint16_t>(378 + o)), n);
        readBack.insert(readBack.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(readBack, page);
    EXPECT_EQ(control.peek("page1", 0, 378), page);
    EXPECT_EQ(control.peek("page2", 0, 378), pageTwoBefore);
    EXPECT_EQ(status(0x08, 56, 3 * 378 - 42, pattern(56, 0)), kRefused);
    EXPECT_EQ(status(0x07, 56, 3 * 378), kRefused);
}

TEST_F(UsbgateSimulatorCommands, MacroAreaHonoursTheCapacity) {
    ASSERT_TRUE(control.capacity(256));
    EXPECT_EQ(data(answer(0x03, 44), 44)[11], 2);
    auto chunk = pattern(56, 5);
    EXPECT_EQ(status(0x0A, 56, 200, chunk), kOk);
    EXPECT_EQ(data(answer(0x09, 56, 200), 56), chunk);
    EXPECT_EQ(status(0x0A, 1, 256, {1}), kRefused);
    EXPECT_EQ(status(0x0A, 56, 201, chunk), kRefused);
    ASSERT_TRUE(control.capacity(0));
    EXPECT_EQ(status(0x09, 16, 0), kRefused);
}

TEST_F(UsbgateSimulatorCommands, DefaultMatrixIsReadOnlyAndReadsInChunks) {
    std::vector<uint8_t> matrix;
    for (uint16_t o = 0; o < 378; o += 56) {
        uint8_t n = static_cast<uint8_t>(std::min<int>(56, 378 - o));
        auto chunk = data(answer(0x0F, n, o), n);
        matrix.insert(matrix.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(matrix, control.peek("default", 0, 378));
    EXPECT_EQ(std::vector<uint8_t>(matrix.begin(), matrix.begin() + 3),
              (std::vector<uint8_t>{6, 0xA2, 1}));
    EXPECT_EQ(control.peek("page0", 0, 378), matrix);  // factory pages hold the default
    EXPECT_FALSE(control.poke("default", 0, {0}));
}

TEST_F(UsbgateSimulatorCommands, KeyColoursLandInTheProfileSlot) {
    auto colours = pattern(54, 9);
    EXPECT_EQ(status(0x11, 54, 18 * 3 + 512, colours), kOk);
    EXPECT_EQ(control.peek("colours1", 18 * 3, 54), colours);
    EXPECT_EQ(control.peek("colours0", 18 * 3, 3), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(status(0x11, 3, 3 * 512 - 2, {1, 2, 3}), kRefused);
}

TEST_F(UsbgateSimulatorCommands, MalformedRequestsAreRefusedWithoutEffect) {
    auto before = control.peek("params", 0, 126);
    // Unknown command code.
    EXPECT_EQ(status(0x55, 10, 0, pattern(10, 1)), kRefused);
    // Length above 56.
    EXPECT_EQ(status(0x06, 57, 0, pattern(56, 1)), kRefused);
    EXPECT_EQ(status(0x06, 0, 0), kRefused);
    // Offset far past the region.
    EXPECT_EQ(status(0x06, 4, 0xFFFF, pattern(4, 1)), kRefused);
    // Wrong check sum.
    auto bad = commandReport(0x06, 4, 0, pattern(4, 1));
    bad[1] ^= 0x01;
    EXPECT_EQ(library.exchange(bad).value().at(7), kRefused);
    // A report shorter than 64 bytes.
    auto shortReport = commandReport(0x06, 4, 0, pattern(4, 1));
    shortReport.resize(20);
    auto reply = library.exchange(shortReport);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(7), kRefused);
    EXPECT_EQ(reply->at(3), 0x06);
    // Three bytes: not even a command code.
    EXPECT_EQ(library.exchange({4, 0, 0}).value().at(7), kRefused);
    EXPECT_EQ(control.peek("params", 0, 126), before);
    // Longer than a report: the library refuses the write itself.
    EXPECT_EQ(library.write(std::vector<uint8_t>(65, 0)), 0);
    EXPECT_EQ(library.write({}), 0);
}

}  // namespace
}  // namespace usbgate::test
