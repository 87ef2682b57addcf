#include "platform/Spawn.h"

#include <sys/stat.h>

#include <gtest/gtest.h>
#include <cstdlib>
#include <thread>

#include "ScratchFolder.h"

namespace {

using namespace std::chrono_literals;

// Waits for a file a child process writes.
std::string awaitFile(const std::filesystem::path &file) {
    for (int i = 0; i < 500 && !std::filesystem::exists(file); ++i)
        std::this_thread::sleep_for(10ms);
    std::this_thread::sleep_for(20ms);
    return ScratchFolder::read(file);
}

std::filesystem::path writeScript(const ScratchFolder &folder, const std::string &name,
                                  const std::string &body) {
    const auto script = folder.write(name, "#!/bin/sh\n" + body);
    ::chmod(script.c_str(), 0755);
    return script;
}

TEST(Spawn, StartsAProgramWithItsArgumentsAndWorkingFolder) {
    ScratchFolder folder;
    const auto program =
        writeScript(folder, "Runvel", "printf '%s|%s|%s' \"$1\" \"$2\" \"$(pwd)\" > out.txt\n");
    std::filesystem::create_directory(folder.path() / "Help");
    ASSERT_TRUE(platform::spawnDetached(program, {"a b", "$(x);"}, folder.path() / "Help"));
    EXPECT_EQ(awaitFile(folder.path() / "Help" / "out.txt"),
              "a b|$(x);|" + (folder.path() / "Help").string());
}

TEST(Spawn, ReportsProgramsThatCannotStart) {
    ScratchFolder folder;
    EXPECT_FALSE(platform::spawnDetached(folder.path() / "Tonder-0109"));
    const auto notExecutable = folder.write("plain", "#!/bin/sh\n");
    EXPECT_FALSE(platform::spawnDetached(notExecutable));
    EXPECT_FALSE(platform::spawnDetached(folder.path()));
    EXPECT_FALSE(platform::spawnDetached("relative/program"));
    const auto program = writeScript(folder, "ok", "exit 0\n");
    EXPECT_FALSE(platform::spawnDetached(program, {}, folder.path() / "missing"));
}

TEST(Spawn, OpensTargetsThroughXdgOpenAndRefusesUnsafeOnes) {
    ScratchFolder folder;
    writeScript(folder, "xdg-open", "printf '%s' \"$1\" > \"${0%/*}/opened.txt\"\n");
    ::setenv("PATH", folder.path().c_str(), 1);
    ASSERT_TRUE(platform::openWithDesktop("https://example.org/a?b=c&d"));
    EXPECT_EQ(awaitFile(folder.path() / "opened.txt"), "https://example.org/a?b=c&d");
    EXPECT_FALSE(platform::openWithDesktop(""));
    EXPECT_FALSE(platform::openWithDesktop("--help"));
    EXPECT_FALSE(platform::openWithDesktop("a\nb"));
    ::setenv("PATH", (folder.path() / "empty").c_str(), 1);
    EXPECT_FALSE(platform::openWithDesktop("https://example.org"));
}

}  // namespace
