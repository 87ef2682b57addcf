// Profile files: header, validation, writing, round trips and default content.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstring>

#include "ProfileTestSupport.h"
#include "model/ByteOrder.h"
#include "model/ProfileFile.h"
#include "model/ProfileFileHeader.h"

namespace model {
namespace {

using namespace model::test;

std::span<const std::uint8_t, 32> headerOf(const std::vector<std::uint8_t> &image) {
    return std::span<const std::uint8_t, 32>(image.data(), 32);
}

TEST(ProfileFileHeader, FillGivesTheFixedFieldsSizesAndChecksum) {
    std::array<std::uint8_t, 32> header{};
    fillProfileFileHeader(header, 2, 40, 1);
    const std::array<std::uint8_t, 8> fixed{0x46, 0x44, 32, 0, 3, 0, 1, 0};
    EXPECT_TRUE(std::equal(fixed.begin(), fixed.end(), header.begin()));
    EXPECT_EQ(loadU32(header.data() + 8), 32832u + 2 * 16512 + 40);
    EXPECT_EQ(loadU16(header.data() + 12), 2048);
    EXPECT_EQ(loadU16(header.data() + 14), 2);
    EXPECT_EQ(loadU32(header.data() + 16), 40u);
    EXPECT_EQ(header[30], 1);
    unsigned sum = 0;
    for (int i = 0; i < 31; ++i) sum += header[i];
    EXPECT_EQ(header[31], sum % 256);
    EXPECT_TRUE(isValidProfileFileHeader(header));
}

class ProfileValidation : public ::testing::Test {
protected:
    std::vector<std::uint8_t> image = buildProfileFileImage(*defaultStore());

    int validate() { return validateProfileData(image, &invalidHeader); }
    bool invalidHeader = false;
};

TEST_F(ProfileValidation, AcceptsExactBlockAndFlagOne) {
    ASSERT_EQ(image.size(), 32832u);
    EXPECT_EQ(validate(), 1);
    image[30] = 1;
    fixChecksum(image);
    EXPECT_EQ(validate(), 1);
    image[30] = 2;
    fixChecksum(image);
    EXPECT_EQ(validate(), 0);
    EXPECT_TRUE(invalidHeader);
}

TEST_F(ProfileValidation, RejectsEveryBrokenHeaderField) {
    struct Change {
        std::size_t offset;
        std::uint8_t value;
    };
    const Change changes[] = {{0, 0x47}, {2, 31}, {4, 2}, {6, 0},   {13, 0},
                              {14, 101}, {16, 2}, {8, 0}, {9, 0x40}};
    const auto original = image;
    for (const auto &change : changes) {
        image = original;
        image[change.offset] = change.value;
        fixChecksum(image);
        EXPECT_EQ(validate(), 0) << change.offset;
        EXPECT_TRUE(invalidHeader) << change.offset;
    }
    image = original;
    image[31] ^= 1;
    EXPECT_EQ(validate(), 0);
    EXPECT_TRUE(invalidHeader);
}

TEST_F(ProfileValidation, HundredOneMacrosAreRejectedEvenWithAMatchingTotal) {
    storeU16(image.data() + 14, 101);
    storeU32(image.data() + 8, static_cast<std::uint32_t>(profileFileSize(101, 0)));
    fixChecksum(image);
    EXPECT_EQ(validate(), 0);
    storeU16(image.data() + 14, 100);
    storeU32(image.data() + 8, static_cast<std::uint32_t>(profileFileSize(100, 0)));
    fixChecksum(image);
    EXPECT_EQ(validate(), 1);  // the file's length is not compared with totalSize
}

TEST_F(ProfileValidation, TooShortIsRejectedWithoutAMessage) {
    image.resize(32831);
    EXPECT_EQ(validate(), 0);
    EXPECT_FALSE(invalidHeader);
}

TEST(ProfileFileValidation, FilesAndTheFormatErrorCallback) {
    TemporaryFolder folder;
    std::vector<std::filesystem::path> reported;
    auto report = [&reported](const std::filesystem::path &path) { reported.push_back(path); };

    EXPECT_EQ(validateProfileFile(folder / "missing.vrp", report), 0);
    auto image = buildProfileFileImage(*defaultStore());
    writeBytes(folder / "good.vrp", image);
    EXPECT_EQ(validateProfileFile(folder / "good.vrp", report), 1);

    image.resize(32831);
    writeBytes(folder / "short.vrp", image);
    EXPECT_EQ(validateProfileFile(folder / "short.vrp", report), 0);
    EXPECT_TRUE(reported.empty());

    image.resize(32832);
    image[31] ^= 0xFF;
    writeBytes(folder / "checksum.vrp", image);
    EXPECT_EQ(validateProfileFile(folder / "checksum.vrp", report), 0);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], folder / "checksum.vrp");
}

TEST(ProfileFileWriting, StringsArePackedInRecordOrder) {
    auto store = defaultStore();
    assignString(*store, 1024 + 5, kKindText, u"second");
    assignString(*store, 3, kKindLaunch, u"/bin/first");
    store->strings.store(9, u"orphan");  // a slot whose record is not a string kind
    const auto image = buildProfileFileImage(*store);

    const std::uint32_t firstSize = 11 * 2;
    const std::uint32_t total = firstSize + 7 * 2 + 7 * 2;
    const auto header = parseProfileFileHeader(headerOf(image));
    EXPECT_EQ(header.stringBytes, total);
    ASSERT_EQ(image.size(), 32832u + total);
    EXPECT_EQ(store->record(3).value, 0u);
    EXPECT_EQ(store->record(1024 + 5).value, firstSize);
    const std::uint8_t *area = image.data() + 32832;
    EXPECT_EQ(std::memcmp(area, u"/bin/first", firstSize), 0);
    EXPECT_EQ(std::memcmp(area + firstSize, u"second", 14), 0);
    // Area bytes no string covers are zero.
    EXPECT_TRUE(std::all_of(area + firstSize + 14, area + total, [](auto b) { return b == 0; }));
    EXPECT_EQ(validateProfileData(image), 1);
}

TEST(ProfileFileWriting, RoundTripKeepsEveryByte) {
    TemporaryFolder folder;
    auto store = defaultStore();
    store->macros = {macroWithSteps(3, 2000), macroWithSteps(1, 5), macroWithSteps(100, 0)};
    store->setRecord(0x1E, {kKindMacro, 2, 3, 0x55, 0});
    store->setRecord(512 + 258, {kKindMedia, 0x0303, 6, 0, 0});
    assignString(*store, 0x20, kKindLaunch, u"/opt/game/run \u00e9\u4e2d");
    assignString(*store, 1024 + 0x21, kKindText, u"");
    assignString(*store, 1024 + 0x22, kKindText, u"text block");
    ASSERT_TRUE(writeProfileFile(*store, folder / "a.vrp", StoreLocking::TakeLock));

    auto loaded = std::make_unique<ProfileStore>();
    ASSERT_EQ(validateProfileFile(folder / "a.vrp", {}), 1);
    ASSERT_EQ(readProfileFile(folder / "a.vrp", *loaded), 1);
    EXPECT_EQ(loaded->block, store->block);
    ASSERT_EQ(loaded->macros.size(), 3u);
    EXPECT_EQ(std::memcmp(loaded->macros.data(), store->macros.data(), 3 * sizeof(MacroRecord)), 0);
    EXPECT_EQ(loaded->strings, store->strings);

    ASSERT_TRUE(writeProfileFile(*loaded, folder / "b.vrp", StoreLocking::AlreadyHeld));
    EXPECT_EQ(readBytes(folder / "a.vrp"), readBytes(folder / "b.vrp"));
}

TEST(ProfileFileWriting, ProfileDataFileIsOnlyRewrittenWhenItExists) {
    TemporaryFolder folder;
    const auto path = profileFilePath(folder.path(), 2);
    EXPECT_EQ(path, folder / "$Profile0");
    EXPECT_EQ(profileFilePath(folder.path(), 0), path);
    auto store = defaultStore();
    EXPECT_FALSE(writeExistingProfileFile(*store, path, StoreLocking::TakeLock));
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(createDefaultProfileFile(path), 1);
    store->setRecord(7, {kKindDisabled, 0, 0, 0, 0});
    EXPECT_TRUE(writeExistingProfileFile(*store, path, StoreLocking::TakeLock));
    EXPECT_EQ(readBytes(path)[64 + 7 * 16], kKindDisabled);
}

TEST(ProfileFileWriting, AFailedWriteLeavesThePreviousFileWhole) {
    TemporaryFolder folder;
    const auto path = folder / "keep.vrp";
    auto store = defaultStore();
    ASSERT_TRUE(writeProfileFile(*store, path, StoreLocking::TakeLock));
    const auto before = readBytes(path);

    // A file size limit makes the write fail part-way, as a full disk would.
    store->macros.assign(20, macroWithSteps(1, 2000));
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 100000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = writeProfileFile(*store, path, StoreLocking::TakeLock);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_FALSE(writeProfileFile(*store, folder / "no-folder" / "x.vrp", StoreLocking::TakeLock));
}

TEST(ProfileFileWriting, ReplacedFilesKeepTheirPermissions) {
    TemporaryFolder folder;
    const auto path = folder / "shared.vrp";
    auto store = defaultStore();
    ASSERT_TRUE(writeProfileFile(*store, path, StoreLocking::TakeLock));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ(static_cast<mode_t>(std::filesystem::status(path).permissions()), 0666 & ~mask);
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(writeProfileFile(*store, path, StoreLocking::TakeLock));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

TEST(ProfileFileWriting, StoreTheReaderWouldRefuseIsNotWritten) {
    TemporaryFolder folder;
    auto store = defaultStore();
    store->macros.assign(101, MacroRecord{});
    EXPECT_FALSE(writeProfileFile(*store, folder / "x.vrp", StoreLocking::TakeLock));
    EXPECT_FALSE(std::filesystem::exists(folder / "x.vrp"));
}

TEST(DefaultProfile, FileAndBlockCarryTheFixedHeadersAndIdentifiers) {
    TemporaryFolder folder;
    ASSERT_EQ(createDefaultProfileFile(folder / "new.vrp"), 1);
    const auto bytes = readBytes(folder / "new.vrp");
    ASSERT_EQ(bytes.size(), 32832u);
    EXPECT_EQ(validateProfileData(bytes), 1);
    const std::array<std::uint8_t, 24> deviceHeader{0x4B, 0x48, 0x20, 0,    0x20, 0x80, 0,    0,
                                                    4,    0,    0,    2,    0,    0,    0,    0,
                                                    0x45, 0x0C, 0x04, 0x50, 0x4F, 0x1C, 0x0E, 0};
    EXPECT_TRUE(std::equal(deviceHeader.begin(), deviceHeader.end(), bytes.begin() + 32));
    EXPECT_EQ(loadU16(bytes.data() + 64 + 256 * 16 + 2), 0x0301);
    EXPECT_EQ(loadU16(bytes.data() + 64 + 273 * 16 + 2), 0x1309);
    EXPECT_EQ(loadU16(bytes.data() + 64 + (512 + 256) * 16 + 2), 0);  // profile 0 only

    auto store = std::make_unique<ProfileStore>();
    store->macros.push_back(macroWithSteps(1, 1));
    store->strings.store(4, u"kept");
    store->block.fill(0xAA);
    ASSERT_EQ(installDefaultProfileBlock(*store), 1);
    EXPECT_TRUE(std::equal(store->block.begin(), store->block.end(), bytes.begin()));
    EXPECT_EQ(store->macros.size(), 1u);
    EXPECT_EQ(store->strings.text(4), u"kept");
    EXPECT_EQ(createDefaultProfileFile(folder / "missing" / "new.vrp"), 0);
}

}  // namespace
}  // namespace model
