#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "platform/AtomicFile.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

namespace {

std::size_t filesIn(const std::filesystem::path &folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

// Runs the write in a child process that dies the moment the temporary file is
// complete, the worst moment for a crash.
template <typename Write>
void crashDuringWrite(Write write) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::setAtomicWriteCheckpoint(
            [](const std::filesystem::path &) -> bool { ::_exit(9); });
        write();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 9) << "the write never reached its checkpoint";
}

class AtomicWriteTest : public ::testing::Test {
protected:
    void TearDown() override { platform::setAtomicWriteCheckpoint({}); }
    ScratchFolder folder;
};

TEST_F(AtomicWriteTest, CrashAfterTheTemporaryFileLeavesThePreviousIniIntact) {
    const std::string before = "[A]\r\nkey=old\r\n; keep me\r\n";
    const auto file = folder.write("s.ini", before);
    crashDuringWrite([&] { platform::writeIniString(file, u"A", u"key", u"new"); });
    EXPECT_EQ(ScratchFolder::read(file), before);
    EXPECT_EQ(platform::readIniString(file, u"A", u"key", u""), u"old");
}

TEST_F(AtomicWriteTest, CrashDuringARegistryWriteLeavesThePreviousStoreIntact) {
    const auto store = folder.path() / "registry.ini";
    platform::Registry registry(store);
    ASSERT_TRUE(registry.writeDword(u"Software\\App", u"value", 7));
    const auto before = ScratchFolder::read(store);
    crashDuringWrite([&] { registry.writeDword(u"Software\\App", u"value", 8); });
    EXPECT_EQ(ScratchFolder::read(store), before);
    EXPECT_EQ(platform::Registry(store).readDword(u"Software\\App", u"value"), 7u);
}

TEST_F(AtomicWriteTest, FailedWriteReportsFailureAndLeavesNoTemporaryFile) {
    const auto file = folder.write("s.ini", "[A]\nkey=old\n");
    platform::setAtomicWriteCheckpoint([](const std::filesystem::path &temporary) {
        EXPECT_TRUE(std::filesystem::exists(temporary));
        return false;
    });
    EXPECT_FALSE(platform::writeIniString(file, u"A", u"key", u"new"));
    platform::Registry registry(folder.path() / "registry.ini");
    EXPECT_FALSE(registry.writeString(u"Software\\App", u"v", u"x"));
    EXPECT_EQ(ScratchFolder::read(file), "[A]\nkey=old\n");
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

TEST_F(AtomicWriteTest, ReplacementKeepsPermissionsAndSymbolicLinks) {
    const auto target = folder.write("real.ini", "[A]\n");
    ::chmod(target.c_str(), 0640);
    const auto link = folder.path() / "link.ini";
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(platform::writeIniString(link, u"A", u"k", u"v"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ScratchFolder::read(target), "[A]\nk=v\n");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(AtomicWriteTest, ReadOnlyFileIsNeitherReplacedNorChanged) {
    const std::string before = "[A]\nkey=old\n";
    const auto file = folder.write("locked.ini", before);
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(platform::writeIniString(file, u"A", u"key", u"new"));
    EXPECT_FALSE(platform::deleteIniKey(file, u"A", u"key"));
    EXPECT_FALSE(platform::writeFileAtomically(file, "other"));
    EXPECT_EQ(ScratchFolder::read(file), before);
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
    EXPECT_EQ(filesIn(folder.path()), 1u);
    // A writable file in the same folder is still written.
    ::chmod(file.c_str(), 0644);
    EXPECT_TRUE(platform::writeIniString(file, u"A", u"key", u"new"));
}

}  // namespace

namespace {

TEST_F(AtomicWriteTest, OnlyTemporaryFilesOfEndedWritersAreCleanedUp) {
    const auto store = folder.path() / "registry.ini";
    platform::Registry registry(store);
    ASSERT_TRUE(registry.writeDword(u"Software\\App", u"value", 7));
    crashDuringWrite([&] { registry.writeDword(u"Software\\App", u"value", 8); });
    ASSERT_EQ(filesIn(folder.path()), 2u) << "the crash left no temporary file";
    // A writer that still runs (this process), look-alikes and other files stay.
    const auto running = folder.write("tvkb.ini.tmp." + std::to_string(::getpid()) + ".0.1", "");
    const std::vector<std::filesystem::path> kept = {
        running, folder.write("notes.tmp.txt", "x"), folder.write("a.tmp.12x.0.1", "x"),
        folder.write("sub/registry.ini.tmp.999999999.0.1", "x"), store};
    std::filesystem::create_symlink(store, folder.path() / "link.tmp.999999999.0.1");

    EXPECT_EQ(platform::removeInterruptedWrites(folder.path()), 1u);
    for (const auto &file : kept) EXPECT_TRUE(std::filesystem::exists(file)) << file;
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.tmp.999999999.0.1"));
    EXPECT_EQ(filesIn(folder.path()), 6u);
    EXPECT_EQ(platform::Registry(store).readDword(u"Software\\App", u"value"), 7u);
    EXPECT_EQ(platform::removeInterruptedWrites(folder.path() / "missing"), 0u);
}

}  // namespace
