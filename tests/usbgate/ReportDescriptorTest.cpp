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

}  // namespace
}  // namespace usbgate::hidraw
