// Finding the keyboard's collections and their report ids in report descriptors.
#include <gtest/gtest.h>

#include "HidDescriptors.h"
#include "hidraw/ReportDescriptor.h"

namespace usbgate::hidraw {
namespace {

using test::kBootKeyboardDescriptor;
using test::kExtendedUsageDescriptor;
using test::kMultiCollectionDescriptor;

TEST(UsbgateReportDescriptor, FindsTheThreeCollectionsWithTheirIdsAndSizes) {
    auto found = parseReportDescriptor(kMultiCollectionDescriptor);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].collection, Collection::Consumer);
    EXPECT_EQ(found[0].reportId, 3);
    EXPECT_EQ(found[0].inputBytes, 2u);
    EXPECT_EQ(found[1].collection, Collection::Vendor);
    EXPECT_EQ(found[1].reportId, 4);
    EXPECT_EQ(found[1].inputBytes, 63u);
    EXPECT_EQ(found[1].outputBytes, 63u);
    EXPECT_EQ(found[2].collection, Collection::Status);
    EXPECT_EQ(found[2].reportId, 5);
    EXPECT_EQ(found[2].outputBytes, 1u);
    EXPECT_EQ(found[2].featureBytes, 1u);
}

TEST(UsbgateReportDescriptor, IgnoresCollectionsThatAreNotOurs) {
    EXPECT_TRUE(parseReportDescriptor(kBootKeyboardDescriptor).empty());
    EXPECT_TRUE(parseReportDescriptor({}).empty());
}

TEST(UsbgateReportDescriptor, ReadsExtendedUsagesAndUnnumberedReports) {
    auto found = parseReportDescriptor(kExtendedUsageDescriptor);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].collection, Collection::Vendor);
    EXPECT_EQ(found[0].reportId, 0);
    EXPECT_EQ(found[0].inputBytes, 64u);
    EXPECT_EQ(found[0].outputBytes, 64u);
}

TEST(UsbgateReportDescriptor, TruncatedOrGarbledDescriptorsYieldWhatWasComplete) {
    const auto full = parseReportDescriptor(kMultiCollectionDescriptor);
    for (size_t cut = 0; cut < kMultiCollectionDescriptor.size(); ++cut) {
        std::vector<uint8_t> part(kMultiCollectionDescriptor.begin(),
                                  kMultiCollectionDescriptor.begin() + static_cast<ptrdiff_t>(cut));
        auto found = parseReportDescriptor(part);
        ASSERT_LE(found.size(), full.size());
        for (size_t i = 0; i < found.size(); ++i)
            EXPECT_EQ(found[i].collection, full[i].collection);
    }
    // End-collection items without a collection, pops without pushes, a long
    // item that claims more bytes than there are.
    std::vector<uint8_t> garbled = {0xC0, 0xC0, 0xB4, 0xB4, 0xFE, 0xFF, 0x00};
    EXPECT_TRUE(parseReportDescriptor(garbled).empty());
    garbled.insert(garbled.begin(), kMultiCollectionDescriptor.begin(),
                   kMultiCollectionDescriptor.end());
    EXPECT_EQ(parseReportDescriptor(garbled).size(), 3u);
}

// A status collection whose feature report has `fields` fields of 8 bits.
std::vector<uint8_t> statusFeatureOf(uint16_t fields) {
    return {0x05,
            0x08,
            0x09,
            0x89,
            0xA1,
            0x01,
            0x75,
            0x08,
            0x96,
            static_cast<uint8_t>(fields),
            static_cast<uint8_t>(fields >> 8),
            0xB1,
            0x02,
            0xC0};
}

TEST(UsbgateReportDescriptor, ReportsLongerThanHidAllowsMakeTheDescriptorMalformed) {
    // 0xC0C00181 fields of 16 bits: a 6.4 GB feature report the backend would
    // allocate when it reads the status bytes.
    const std::vector<uint8_t> huge = {0x75, 0x10, 0x97, 0x81, 0x01, 0xC0, 0xC0, 0x05,
                                       0x08, 0x09, 0x89, 0xA1, 0x01, 0xB0, 0xC0};
    EXPECT_TRUE(parseReportDescriptor(huge).empty());

    std::vector<uint8_t> after = kMultiCollectionDescriptor;
    after.insert(after.end(), huge.begin(), huge.end());
    EXPECT_EQ(parseReportDescriptor(after).size(), 3u);

    auto largest = parseReportDescriptor(statusFeatureOf(kMaxReportBytes));
    ASSERT_EQ(largest.size(), 1u);
    EXPECT_EQ(largest[0].featureBytes, kMaxReportBytes);
    EXPECT_TRUE(parseReportDescriptor(statusFeatureOf(kMaxReportBytes + 1)).empty());
}

}  // namespace
}  // namespace usbgate::hidraw
