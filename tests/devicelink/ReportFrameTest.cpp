#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "devicelink/FourCharCode.h"
#include "devicelink/ReportFrame.h"
#include "devicelink/UnitId.h"

using namespace devicelink;

TEST(ReportFrame, RequestCarriesHeaderPayloadAndChecksumOverBytes3To63) {
    const std::vector<std::uint8_t> payload = {0x10, 0x20, 0x30};
    const Report report = buildRequest(CommandCode::WriteParams, 3, 0x017A, payload);
    EXPECT_EQ(report[0], 4);
    EXPECT_EQ(report[3], 0x06);
    EXPECT_EQ(report[4], 3);
    EXPECT_EQ(report[5], 0x7A);
    EXPECT_EQ(report[6], 0x01);
    EXPECT_EQ(report[7], 0);
    EXPECT_EQ(report[8], 0x10);
    EXPECT_EQ(report[10], 0x30);
    EXPECT_EQ(report[11], 0);
    const unsigned sum = 0x06 + 3 + 0x7A + 0x01 + 0x10 + 0x20 + 0x30;
    EXPECT_EQ(report[1], sum & 0xFF);
    EXPECT_EQ(report[2], sum >> 8);
    EXPECT_EQ(reportChecksum(report), sum);
    EXPECT_EQ(reportOffset(report), 0x017A);
}

TEST(ReportFrame, ChecksumDropsCarriesAndIgnoresTheFirstThreeBytes) {
    Report report;
    report.fill(0xFF);
    // 61 bytes of 0xFF = 15555 = 0x3CC3, below 16 bits; the header bytes do not count.
    EXPECT_EQ(reportChecksum(report), 61 * 0xFF);

    const std::vector<std::uint8_t> full(56, 0xFF);
    const Report request = buildRequest(CommandCode::WriteMacroArea, 56, 0xFFFF, full);
    const unsigned expected = (0x0A + 56 + 0xFF + 0xFF + 56 * 0xFF) & 0xFFFF;
    EXPECT_EQ(request[1] | (request[2] << 8), expected);
}

TEST(ReportFrame, PayloadLongerThan56BytesIsCut) {
    std::vector<std::uint8_t> payload(70);
    std::iota(payload.begin(), payload.end(), 1);
    const Report report = buildRequest(CommandCode::WriteKeyPage, 56, 0, payload);
    EXPECT_EQ(report[63], 56);  // the 56th payload byte, nothing beyond the frame
}

TEST(UnitIdentifiers, NameTheThreeCollectionsLittleEndian) {
    const UnitId expected = {15,   0,    0,    0,    0x45, 0x0C, 0x04, 0x50,
                             0x1C, 0xFF, 0x92, 0x00, 0,    0,    0,    0};
    EXPECT_EQ(kCommandUnit, expected);
    EXPECT_EQ(kConsumerUnit[8], 0x0C);
    EXPECT_EQ(kConsumerUnit[10], 0x01);
    EXPECT_EQ(kStatusUnit[8], 0x08);
    EXPECT_EQ(kStatusUnit[10], 0x89);
    EXPECT_EQ(fourCharCode("INIT"), 0x494E4954u);
}
