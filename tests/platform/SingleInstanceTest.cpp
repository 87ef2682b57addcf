#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <atomic>
#include <mutex>
#include <vector>

#include "ScratchFolder.h"
#include "platform/InstanceLock.h"
#include "platform/LocalChannel.h"

namespace {

using namespace std::chrono_literals;

TEST(InstanceLock, OnlyOneHolderUntilReleased) {
    ScratchFolder folder;
    platform::InstanceLock first(folder.path(), "QX11K09A");
    ASSERT_TRUE(first.held());
    platform::InstanceLock second(folder.path(), "QX11K09A");
    EXPECT_FALSE(second.held());
    EXPECT_TRUE(second.heldElsewhere());
    platform::InstanceLock otherName(folder.path(), "Other");
    EXPECT_TRUE(otherName.held());
    first.release();
    platform::InstanceLock third(folder.path(), "QX11K09A");
    EXPECT_TRUE(third.held());
}

TEST(InstanceLock, UnusableFolderIsNeitherHeldNorHeldElsewhere) {
    ScratchFolder folder;
    platform::InstanceLock lock(folder.path() / "missing", "QX11K09A");
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(lock.heldElsewhere());
    platform::InstanceLock badName(folder.path(), "../escape");
    EXPECT_FALSE(badName.held());
    // No folder at all never means the working folder.
    const auto workingFolder = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    platform::InstanceLock noFolder({}, "QX11K09A");
    platform::InstanceLock relative("run", "QX11K09A");
    std::filesystem::current_path(workingFolder);
    EXPECT_FALSE(noFolder.held() || noFolder.heldElsewhere());
    EXPECT_FALSE(relative.held() || relative.heldElsewhere());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(InstanceLock, LivenessProbeSeesTheHolderWithoutTakingTheLock) {
    ScratchFolder folder;
    EXPECT_FALSE(platform::InstanceLock::heldByAnother(folder.path(), "QX11K09A"));
    auto holder = std::make_unique<platform::InstanceLock>(folder.path(), "QX11K09A");
    ASSERT_TRUE(holder->held());
    EXPECT_TRUE(platform::InstanceLock::heldByAnother(folder.path(), "QX11K09A"));
    EXPECT_TRUE(platform::InstanceLock::heldByAnother(folder.path(), "QX11K09A"));
    holder.reset();
    EXPECT_FALSE(platform::InstanceLock::heldByAnother(folder.path(), "QX11K09A"));
    EXPECT_TRUE(platform::InstanceLock(folder.path(), "QX11K09A").held());
}

class LocalChannelTest : public ::testing::Test {
protected:
    std::vector<std::string> received() {
        std::lock_guard lock(mutex);
        return commands;
    }
    void record(const std::string &command) {
        std::lock_guard lock(mutex);
        commands.push_back(command);
    }
    // A bare connection to the channel, as a client that speaks no protocol.
    int connectRaw() const {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket.c_str());
        const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(::connect(client, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        return client;
    }

    ScratchFolder folder;
    std::filesystem::path socket = folder.path() / "QX11K09A.sock";
    std::mutex mutex;
    std::vector<std::string> commands;
};

TEST_F(LocalChannelTest, SenderWaitsUntilTheCommandIsHandled) {
    std::atomic<bool> handled{false};
    platform::LocalChannelServer server(socket, [&](const std::string &command) {
        std::this_thread::sleep_for(50ms);
        record(command);
        handled = true;
    });
    ASSERT_TRUE(server.listening());
    EXPECT_TRUE(platform::sendChannelCommand(socket, "OPEN"));
    EXPECT_TRUE(handled);
    EXPECT_TRUE(platform::sendChannelCommand(socket, "KILL"));
    EXPECT_EQ(received(), (std::vector<std::string>{"OPEN", "KILL"}));
}

TEST_F(LocalChannelTest, NoListenerOrBadCommandFails) {
    EXPECT_FALSE(platform::sendChannelCommand(socket, "OPEN"));
    platform::LocalChannelServer server(socket, [&](const std::string &c) { record(c); });
    EXPECT_FALSE(platform::sendChannelCommand(socket, ""));
    EXPECT_FALSE(platform::sendChannelCommand(socket, "OPEN\nKILL"));
    EXPECT_FALSE(platform::sendChannelCommand(socket, std::string(40, 'A')));
    EXPECT_TRUE(received().empty());
}

TEST_F(LocalChannelTest, ASilentOrOverlongClientDoesNotBlockTheNext) {
    platform::LocalChannelServer server(socket, [&](const std::string &c) { record(c); });
    const int silent = connectRaw();
    const int flood = connectRaw();
    const std::string junk(4096, 'X');
    ASSERT_GT(::write(flood, junk.data(), junk.size()), 0);
    EXPECT_TRUE(platform::sendChannelCommand(socket, "OPEN"));
    ::close(silent);
    ::close(flood);
    EXPECT_EQ(received(), std::vector<std::string>{"OPEN"});
}

TEST_F(LocalChannelTest, AClientTricklingOneByteASecondDoesNotHoldUpTheNext) {
    platform::LocalChannelServer server(socket, [&](const std::string &c) { record(c); });
    const int trickle = connectRaw();
    std::atomic<bool> stop{false};
    std::thread trickler([&] {
        // "KILLKILL..." about one byte a second: never a whole line within the server's patience.
        for (int i = 0; i < 30 && !stop; ++i) {
            if (::send(trickle, &"KILL"[i % 4], 1, MSG_NOSIGNAL) != 1) break;
            for (int tick = 0; tick < 9 && !stop; ++tick) std::this_thread::sleep_for(100ms);
        }
    });
    std::this_thread::sleep_for(300ms);  // the trickler is being read
    EXPECT_TRUE(platform::sendChannelCommand(socket, "OPEN", 5s));
    stop = true;
    trickler.join();
    ::close(trickle);
    EXPECT_EQ(received(), std::vector<std::string>{"OPEN"});
}

TEST_F(LocalChannelTest, SenderWaitsAsLongAsAskedAndSaysWhyItStopped) {
    EXPECT_EQ(platform::sendChannelCommandWhile(
                  socket, "OPEN", [] { return true; }, 10ms),
              platform::ChannelResult::NoListener);
    std::atomic<bool> release{false};
    std::atomic<int> checks{0};
    platform::LocalChannelServer server(socket, [&](const std::string &c) {
        while (!release) std::this_thread::sleep_for(5ms);
        record(c);
    });
    // The handler is busy far longer than one check: the sender keeps waiting
    // while asked to, and the answer still reaches it.
    const auto keepWaiting = [&] {
        if (++checks == 20) release = true;
        return true;
    };
    EXPECT_EQ(platform::sendChannelCommandWhile(socket, "OPEN", keepWaiting, 10ms),
              platform::ChannelResult::Handled);
    EXPECT_GE(checks.load(), 20);
    release = false;
    EXPECT_EQ(platform::sendChannelCommandWhile(
                  socket, "KILL", [] { return false; }, 10ms),
              platform::ChannelResult::GaveUp);
    release = true;
}

TEST_F(LocalChannelTest, ReplacesAStaleSocketAndRemovesItOnClose) {
    {
        folder.write("QX11K09A.sock", "left by a crash");
        platform::LocalChannelServer server(socket, [&](const std::string &c) { record(c); });
        ASSERT_TRUE(server.listening());
        EXPECT_TRUE(platform::sendChannelCommand(socket, "OPEN"));
    }
    EXPECT_FALSE(std::filesystem::exists(socket));
    const auto longPath = folder.path() / std::string(120, 'n');
    platform::LocalChannelServer tooLong(longPath, {});
    EXPECT_FALSE(tooLong.listening());
}

}  // namespace
