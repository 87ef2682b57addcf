// varnelctl beside a running window: the window's instance lock and channel,
// and its hold on the per-user files while it has unapplied changes, are the
// real platform pieces a running varnel holds.
#include <mutex>

#include "CtlRun.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "platform/LocalChannel.h"
#include "settings/InstanceChannel.h"

namespace clitest {
namespace {

class BesideARunningWindow : public CtlTest {
protected:
    void listen() {
        channel = std::make_unique<platform::LocalChannelServer>(
            app::instanceChannelSocket(), [this](const std::string &command) {
                std::lock_guard lock(mutex);
                heard.push_back(command);
            });
        ASSERT_TRUE(channel->listening());
    }
    std::vector<std::string> commandsHeard() {
        std::lock_guard lock(mutex);
        return std::exchange(heard, {});
    }
    std::string keyboardAndFiles() {
        return sim("peek page0 0 378") + sim("peek params 0 42") +
               ScratchFolder::read(userFolder() / "$Profile0");
    }

    platform::InstanceLock instance{platform::runtimeFolder(), app::kInstanceName};
    std::mutex mutex;
    std::vector<std::string> heard;
    std::unique_ptr<platform::LocalChannelServer> channel;
};

TEST_F(BesideARunningWindow, EveryChangeIsAnnouncedAndReadsStayQuiet) {
    ASSERT_TRUE(instance.held());
    listen();
    for (const char *change :
         {"keys set A B", "lighting set --brightness 1", "profile 1", "download", "upload"}) {
        const CtlResult run = ctl(change);
        EXPECT_EQ(run.exitCode, 0) << change << run.err;
        EXPECT_EQ(commandsHeard(), (std::vector<std::string>{"RELOAD", "RELOAD"})) << change;
    }
    for (const char *read : {"keys show", "lighting show", "info", "macros list"}) {
        EXPECT_EQ(ctl(read).exitCode, 0) << read;
        EXPECT_TRUE(commandsHeard().empty()) << read;
    }
}

TEST_F(BesideARunningWindow, UnappliedChangesInTheWindowRefuseAChange) {
    listen();
    ASSERT_EQ(ctl("download").exitCode, 0);
    const std::string before = keyboardAndFiles();
    {
        platform::InstanceLock windowHoldsTheFiles(platform::runtimeFolder(),
                                                   app::kUserFilesLockName);
        ASSERT_TRUE(windowHoldsTheFiles.held());
        for (const char *change : {"keys set A B", "lighting set --brightness 1", "upload"}) {
            const CtlResult run = ctl(change);
            EXPECT_EQ(run.exitCode, 6) << change;
            EXPECT_NE(run.err.find("not applied yet"), std::string::npos) << run.err;
        }
        EXPECT_EQ(keyboardAndFiles(), before);
    }
    EXPECT_EQ(ctl("keys set A B").exitCode, 0) << "applied: the files are free again";
}

TEST_F(BesideARunningWindow, AWindowThatCannotBeToldRefusesAChange) {
    const std::string before = keyboardAndFiles();
    const CtlResult run = ctl("keys set A B");
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_NE(run.err.find("does not answer on its local channel"), std::string::npos) << run.err;
    EXPECT_EQ(keyboardAndFiles(), before);
    EXPECT_FALSE(std::filesystem::exists(userFolder() / "$Profile0"));
}

}  // namespace
}  // namespace clitest
