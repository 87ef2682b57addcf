#include "LocalChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kHandledReply = "DONE\n";
// A client has this long from its connection to the end of its command line.
constexpr std::chrono::milliseconds kClientLineDeadline{1000};
// Clients read side by side at most; a further one pushes out the oldest.
constexpr std::size_t kMaxPendingClients = 16;

bool makeAddress(const std::filesystem::path &path, sockaddr_un &address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string &text = path.native();
    if (!path.is_absolute() || text.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return true;
}

bool isValidCommand(std::string_view command) {
    if (command.empty() || command.size() > kMaxChannelCommand) return false;
    for (const char c : command) {
        if (c < 0x21 || c > 0x7E) return false;
    }
    return true;
}

int pollEntries(pollfd *entries, std::size_t count, int timeoutMs) {
    int result = 0;
    do {
        result = ::poll(entries, count, timeoutMs);
    } while (result < 0 && errno == EINTR);
    return result;
}

bool writeText(int fd, std::string_view text) {
    return ::send(fd, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size());
}

int clampToInt(std::chrono::milliseconds timeout) {
    return static_cast<int>(
        std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INT_MAX));
}

bool fromSameUser(int client) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(client, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return false;
    return credentials.uid == ::getuid();
}

// What one read from a client brought.
enum class LineState { Incomplete, Complete, Failed };

LineState readAvailable(int fd, std::string &line, std::size_t limit) {
    char buffer[64];
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got < 0)
        return errno == EAGAIN || errno == EINTR ? LineState::Incomplete : LineState::Failed;
    if (got == 0) return LineState::Failed;
    line.append(buffer, static_cast<std::size_t>(got));
    const auto newline = line.find('\n');
    if (newline != std::string::npos) {
        line.resize(newline);
        return newline <= limit ? LineState::Complete : LineState::Failed;
    }
    return line.size() > limit ? LineState::Failed : LineState::Incomplete;
}

}  // namespace

struct LocalChannelServer::PendingClient {
    int fd;
    std::string line;
    Clock::time_point deadline;
};

LocalChannelServer::LocalChannelServer(std::filesystem::path socketPath, Handler handler)
    : socketPath_(std::move(socketPath)), handler_(std::move(handler)) {
    sockaddr_un address{};
    if (!makeAddress(socketPath_, address) || ::pipe2(stopPipe_, O_CLOEXEC) != 0) return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    ::unlink(socketPath_.c_str());
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    listenFd_ = fd;
    thread_ = std::thread([this] { serve(); });
}

LocalChannelServer::~LocalChannelServer() {
    if (thread_.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const auto ignored = ::write(stopPipe_[1], &stop, 1);
        thread_.join();
    }
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(socketPath_.c_str());
    }
    for (const int fd : stopPipe_) {
        if (fd >= 0) ::close(fd);
    }
}

void LocalChannelServer::serve() {
    std::vector<PendingClient> clients;
    std::vector<pollfd> entries;
    for (;;) {
        entries.assign({{listenFd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}});
        auto nextDeadline = Clock::time_point::max();
        for (const PendingClient &client : clients) {
            entries.push_back({client.fd, POLLIN, 0});
            nextDeadline = std::min(nextDeadline, client.deadline);
        }
        const int timeout = clients.empty()
                                ? -1
                                : clampToInt(std::chrono::ceil<std::chrono::milliseconds>(
                                      nextDeadline - Clock::now()));
        if (pollEntries(entries.data(), entries.size(), timeout) < 0) return;
        if (entries[1].revents != 0) break;

        // Read what has arrived; a finished line is handled, a failed client dropped.
        const auto now = Clock::now();
        std::vector<PendingClient> waiting;
        for (std::size_t i = 0; i < clients.size(); ++i) {
            PendingClient &client = clients[i];
            LineState state = LineState::Incomplete;
            if (entries[i + 2].revents != 0) {
                state = readAvailable(client.fd, client.line, kMaxChannelCommand);
            }
            if (state == LineState::Complete) handleLine(client.fd, client.line);
            if (state == LineState::Incomplete && now < client.deadline) {
                waiting.push_back(std::move(client));
            } else {
                ::close(client.fd);
            }
        }
        clients = std::move(waiting);

        if ((entries[0].revents & POLLIN) == 0) continue;
        const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        if (!fromSameUser(client)) {
            ::close(client);
            continue;
        }
        if (clients.size() == kMaxPendingClients) {
            ::close(clients.front().fd);
            clients.erase(clients.begin());
        }
        clients.push_back({client, {}, Clock::now() + kClientLineDeadline});
    }
    for (const PendingClient &client : clients) ::close(client.fd);
}

void LocalChannelServer::handleLine(int client, const std::string &line) {
    if (!isValidCommand(line)) return;
    if (handler_) handler_(line);
    writeText(client, kHandledReply);
}

ChannelResult sendChannelCommandWhile(const std::filesystem::path &socketPath,
                                      std::string_view command,
                                      const std::function<bool()> &keepWaiting,
                                      std::chrono::milliseconds checkEvery) {
    sockaddr_un address{};
    if (!isValidCommand(command) || !makeAddress(socketPath, address)) {
        return ChannelResult::NoListener;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return ChannelResult::NoListener;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return ChannelResult::NoListener;
    }
    ChannelResult result = ChannelResult::Dropped;
    std::string reply;
    if (writeText(fd, std::string(command) + "\n")) {
        for (;;) {
            pollfd entry{fd, POLLIN, 0};
            const int ready = pollEntries(&entry, 1, clampToInt(checkEvery));
            if (ready < 0) break;
            if (ready == 0) {
                if (keepWaiting()) continue;
                result = ChannelResult::GaveUp;
                break;
            }
            const LineState state = readAvailable(fd, reply, kHandledReply.size());
            if (state == LineState::Incomplete) continue;
            if (state == LineState::Complete && reply + "\n" == kHandledReply) {
                result = ChannelResult::Handled;
            }
            break;
        }
    }
    ::close(fd);
    return result;
}

bool sendChannelCommand(const std::filesystem::path &socketPath, std::string_view command,
                        std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    const auto slice = std::min(timeout, std::chrono::milliseconds(100));
    return sendChannelCommandWhile(
               socketPath, command, [&] { return Clock::now() < deadline; }, slice) ==
           ChannelResult::Handled;
}

}  // namespace platform
