// The simulated keyboard's control channel: commands take whole numbers only, a
// client that never reads its replies holds up no other client, and the control
// client keeps each reply with its command, signals or not.
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include "LoadedLibrary.h"
#include "SimControl.h"
#include "SocketPath.h"
#include "sim/ControlInterpreter.h"
#include "sim/SimulatorBackend.h"

namespace usbgate::sim {
namespace {

class QuietSink : public BackendSink {
public:
    void onReport(Collection, const uint8_t *, size_t) override {}
    void onDeviceCountChanged(uint32_t) override {}
};

// A connection that sends without ever reading, until the socket takes no more.
class StuckClient {
public:
    explicit StuckClient(const std::string &path) {
        sockaddr_un address{};
        EXPECT_TRUE(fillSocketAddress(path, address));
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        EXPECT_EQ(connect(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    }
    ~StuckClient() { close(fd_); }

    // Returns once a send would block: the replies fill the channel both ways.
    bool askUntilFull(const std::string &line) {
        for (int sent = 0; sent < 1000000; ++sent) {
            if (send(fd_, line.data(), line.size(), MSG_NOSIGNAL) < 0) return errno == EAGAIN;
        }
        return false;
    }

private:
    int fd_ = -1;
};

// A simulated keyboard without state files, listening on a control socket of
// its own.
struct ListeningSimulator {
    ListeningSimulator() { EXPECT_TRUE(simulator.start(sink)); }

    test::TempFolder folder;
    const std::string path = folder.path() + "/control";
    QuietSink sink;
    SimulatorBackend simulator{listeningAt(path)};

private:
    static SimulatorSettings listeningAt(const std::string &socketPath) {
        SimulatorSettings settings;
        settings.socketPath = socketPath;
        return settings;
    }
};

TEST(UsbgateControlChannel, NumbersMustBeWholeWords) {
    SimulatorBackend simulator(SimulatorSettings{});
    // A NUL byte inside the word once ended the number there: capacity 0.
    const std::string withNul(
        "capacity 0\0"
        "640",
        15);
    EXPECT_TRUE(interpretControlLine(simulator, withNul).starts_with("ERR "));
    EXPECT_TRUE(interpretControlLine(simulator, "event 0x12zz").starts_with("ERR "));
    EXPECT_EQ(interpretControlLine(simulator, "peek info 11 1"), "80\nOK");
    EXPECT_EQ(interpretControlLine(simulator, "capacity 0x280"), "OK");
    EXPECT_EQ(interpretControlLine(simulator, "peek info 11 1"), "05\nOK");
}

TEST(UsbgateControlChannel, AClientThatNeverReadsItsRepliesHoldsUpNoOtherClient) {
    ListeningSimulator running;
    StuckClient stuck(running.path);
    ASSERT_TRUE(stuck.askUntilFull("dump\n"));

    SimControl other(running.path);
    EXPECT_TRUE(other.unplug()) << other.lastError();
    EXPECT_EQ(running.simulator.deviceCount(Collection::Vendor), 0u);
    EXPECT_TRUE(other.peek("info", 8, 2) == std::vector<uint8_t>({0x09, 0x01}));
    // The stuck client leaves before the simulator stops.
}

// A channel that answers one command only after interrupting the waiting
// client's thread with signals whose handler does not restart system calls.
class InterruptingChannel {
public:
    explicit InterruptingChannel(const std::string &path) {
        sockaddr_un address{};
        EXPECT_TRUE(fillSocketAddress(path, address));
        listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        EXPECT_EQ(bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        EXPECT_EQ(listen(listener_, 4), 0);
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigaction(SIGUSR1, &action, &previous_);
        thread_ = std::thread(&InterruptingChannel::answerLate, this, pthread_self());
    }
    ~InterruptingChannel() {
        thread_.join();
        sigaction(SIGUSR1, &previous_, nullptr);
        close(listener_);
    }

private:
    void answerLate(pthread_t waiter) {
        const int client = accept(listener_, nullptr, nullptr);
        char line[64];
        EXPECT_GT(read(client, line, sizeof line), 0);
        for (int signal = 0; signal < 50; ++signal) {
            pthread_kill(waiter, SIGUSR1);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_EQ(write(client, "OK\n", 3), 3);
        close(client);
    }

    int listener_ = -1;
    struct sigaction previous_ {};
    std::thread thread_;
};

TEST(UsbgateControlChannel, SignalsDuringTheWaitForAReplyLoseNothing) {
    test::TempFolder folder;
    const std::string path = folder.path() + "/control";
    SimControl control(path);
    InterruptingChannel channel(path);
    EXPECT_TRUE(control.plug()) << control.lastError();
}

TEST(UsbgateControlChannel, TheClientSendsOneLineACommandSoRepliesStayInStep) {
    ListeningSimulator running;
    SimControl control(running.path);
    EXPECT_FALSE(control.send("unplug\nplug"));
    EXPECT_EQ(control.lastError(), "a command is a single line");
    EXPECT_EQ(running.simulator.deviceCount(Collection::Vendor), 1u);
    EXPECT_TRUE(control.peek("info", 8, 2) == std::vector<uint8_t>({0x09, 0x01}));
}

}  // namespace
}  // namespace usbgate::sim
