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
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket.c_str());
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(silent, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    const int flood = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(flood, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    const std::string junk(4096, 'X');
    ASSERT_GT(::write(flood, junk.data(), junk.size()), 0);
    EXPECT_TRUE(platform::sendChannelCommand(socket, "OPEN"));
    ::close(silent);
    ::close(flood);
    EXPECT_EQ(received(), std::vector<std::string>{"OPEN"});
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
