// The local socket through which a second instance reaches the first one: the
// first instance listens, a later one sends a command word ("OPEN", "KILL") and
// waits until the first has handled it. Only processes of the same user are heard.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace platform {

inline constexpr std::size_t kMaxChannelCommand = 32;

class LocalChannelServer {
public:
    // Called on the server's own thread, one command at a time; the sender waits
    // until it returns. It must not wait for the thread that destroys the server,
    // since the destructor waits for a running handler to finish.
    using Handler = std::function<void(const std::string &command)>;

    // Listens on socketPath. A socket file left by a crashed instance is replaced,
    // so only the holder of the instance lock may create a server. Clients are
    // read side by side: one that sends slowly or not at all holds up nobody and
    // is dropped when its command line has not arrived within a second.
    LocalChannelServer(std::filesystem::path socketPath, Handler handler);
    ~LocalChannelServer();
    LocalChannelServer(const LocalChannelServer &) = delete;
    LocalChannelServer &operator=(const LocalChannelServer &) = delete;

    bool listening() const { return listenFd_ >= 0; }

private:
    struct PendingClient;
    void serve();
    void handleLine(int client, const std::string &line);

    std::filesystem::path socketPath_;
    Handler handler_;
    int listenFd_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::thread thread_;
};

enum class ChannelResult {
    Handled,     // the listener handled the command
    NoListener,  // nobody listens on the socket
    Dropped,     // the listener closed the connection without handling it
    GaveUp,      // the sender stopped waiting
};

// Sends one command (1..32 printable characters) and waits for it to be handled
// for as long as keepWaiting() holds; it is asked every `checkEvery` of silence.
ChannelResult sendChannelCommandWhile(const std::filesystem::path &socketPath,
                                      std::string_view command,
                                      const std::function<bool()> &keepWaiting,
                                      std::chrono::milliseconds checkEvery);

// Sends one command and waits up to timeout until it has been handled. False when
// nobody listens, the command is refused or the wait runs out.
bool sendChannelCommand(const std::filesystem::path &socketPath, std::string_view command,
                        std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace platform
