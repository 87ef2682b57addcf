// The reader refuses images that do not hold what they claim, and leaves the
// store as it was when it does.
#include <gtest/gtest.h>

#include "ProfileTestSupport.h"
#include "model/ByteOrder.h"
#include "model/ProfileFile.h"
#include "model/ProfileFileHeader.h"

namespace model {
namespace {

using namespace model::test;

class ProfileReader : public ::testing::Test {
protected:
    void SetUp() override {
        auto source = defaultStore();
        source->macros = {macroWithSteps(2, 10)};
        assignString(*source, 0x10, kKindLaunch, u"/bin/tool");
        image = buildProfileFileImage(*source);

        store->macros = {macroWithSteps(9, 1)};
        store->strings.store(1, u"before");
        store->block.fill(0x5A);
    }

    std::size_t areaStart() const { return 32832 + 16512; }
    std::uint32_t stringBytes() const { return loadU32(image.data() + 16); }
    void setStringOffset(std::size_t global, std::uint32_t offset) {
        storeU32(image.data() + 64 + global * 16 + 4, offset);
    }

    // The store still holds what SetUp put there.
    void expectStoreUntouched() {
        ASSERT_EQ(store->macros.size(), 1u);
        EXPECT_EQ(store->macros[0].id, 9);
        EXPECT_EQ(store->strings.text(1), u"before");
        EXPECT_EQ(store->block[100], 0x5A);
    }

    std::vector<std::uint8_t> image;
    std::unique_ptr<ProfileStore> store = std::make_unique<ProfileStore>();
};

TEST_F(ProfileReader, ReadsAValidImage) {
    ASSERT_EQ(readProfileData(image, *store), 1);
    ASSERT_EQ(store->macros.size(), 1u);
    EXPECT_EQ(store->macros[0].id, 2);
    EXPECT_EQ(store->strings.text(0x10), u"/bin/tool");
    EXPECT_FALSE(store->strings.has(1));
    EXPECT_EQ(store->strings.totalBytes(), 20u);
}

TEST_F(ProfileReader, EmptyBlockLoadsAnEmptyMacroList) {
    image = buildProfileFileImage(*defaultStore());
    ASSERT_EQ(readProfileData(image, *store), 1);
    EXPECT_TRUE(store->macros.empty());
    EXPECT_EQ(store->strings.totalBytes(), 0u);
}

TEST_F(ProfileReader, RefusesImagesShorterThanTheirHeaderSays) {
    image.pop_back();  // loses the string's terminator byte
    EXPECT_EQ(readProfileData(image, *store), 0);
    expectStoreUntouched();

    auto longer = image;
    longer.push_back(0);
    storeU32(longer.data() + 8, static_cast<std::uint32_t>(longer.size() + 2));  // totalSize
    EXPECT_EQ(readProfileData(longer, *store), 0);
    expectStoreUntouched();

    image.resize(32831);
    EXPECT_EQ(readProfileData(image, *store), 0);
    expectStoreUntouched();
}

TEST_F(ProfileReader, RefusesStringOffsetsOutsideTheArea) {
    setStringOffset(0x10, stringBytes());
    EXPECT_EQ(readProfileData(image, *store), 0);
    expectStoreUntouched();
    setStringOffset(0x10, 0xFFFFFFFF);
    EXPECT_EQ(readProfileData(image, *store), 0);
    expectStoreUntouched();
}

TEST_F(ProfileReader, RefusesAStringWithoutTerminatorInTheArea) {
    const std::size_t end = areaStart() + stringBytes();
    image[end - 2] = 'x';  // overwrite the terminator; file data follows nowhere
    EXPECT_EQ(readProfileData(image, *store), 0);
    expectStoreUntouched();
    // A terminator just past the area does not count.
    image.push_back(0);
    image.push_back(0);
    EXPECT_EQ(readProfileData(image, *store), 0);
    expectStoreUntouched();
}

TEST_F(ProfileReader, OddOffsetsAreRoundedDownAndSharedStringsLoadTwice) {
    setStringOffset(0x10, 1);
    storeU16(image.data() + 64 + 0x11 * 16, kKindText);
    setStringOffset(0x11, 10);  // points into the same string: "tool"
    ASSERT_EQ(readProfileData(image, *store), 1);
    EXPECT_EQ(store->strings.text(0x10), u"/bin/tool");
    EXPECT_EQ(store->strings.text(0x11), u"tool");
    EXPECT_EQ(store->strings.totalBytes(), 20u + 10u);
}

TEST_F(ProfileReader, RefusesMoreThanAHundredMacrosAndHugeStringAreas) {
    storeU16(image.data() + 14, 101);
    image.resize(profileFileSize(101, stringBytes()));
    EXPECT_EQ(readProfileData(image, *store), 0);
    expectStoreUntouched();

    image.resize(32832);
    storeU16(image.data() + 14, 0);
    storeU32(image.data() + 16, kMaxStringAreaBytes + 2);
    EXPECT_EQ(readProfileData(image, *store), 0);
    expectStoreUntouched();
}

TEST_F(ProfileReader, FilesAreReadOnlyAsFarAsTheHeaderClaims) {
    TemporaryFolder folder;
    auto longer = image;
    longer.resize(image.size() + 1000, 0xEE);  // trailing bytes are ignored
    writeBytes(folder / "long.vrp", longer);
    ASSERT_EQ(readProfileFile(folder / "long.vrp", *store), 1);
    EXPECT_EQ(store->strings.text(0x10), u"/bin/tool");

    auto fresh = std::make_unique<ProfileStore>();
    image.resize(image.size() - 1);
    writeBytes(folder / "short.vrp", image);
    EXPECT_EQ(readProfileFile(folder / "short.vrp", *fresh), 0);
    EXPECT_EQ(readProfileFile(folder / "missing.vrp", *fresh), 0);
    writeBytes(folder / "tiny.vrp", {1, 2, 3});
    EXPECT_EQ(readProfileFile(folder / "tiny.vrp", *fresh), 0);
}

}  // namespace
}  // namespace model
