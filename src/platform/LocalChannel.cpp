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

namespace platform {
namespace {

constexpr std::string_view kHandledReply = "DONE\n";
constexpr int kClientReadTimeoutMs = 1000;

bool makeAddress(const std::filesystem::path &path, sockaddr_un &address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string &text = path.native();
    if (text.empty() || text.size() >= sizeof address.sun_path) return false;
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

bool waitFor(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    int result = 0;
    do {
        result = ::poll(&entry, 1, timeoutMs);
    } while (result < 0 && errno == EINTR);
    return result > 0 && (entry.revents & events) != 0;
}

// Reads up to a newline, with a deadline per wait, into at most limit characters.
bool readLine(int fd, std::string &line, std::size_t limit, int timeoutMs) {
    line.clear();
    char c = 0;
    while (waitFor(fd, POLLIN, timeoutMs)) {
        const ssize_t got = ::read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        if (c == '\n') return true;
        if (line.size() == limit) return false;
        line.push_back(c);
    }
    return false;
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

}  // namespace

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
    for (;;) {
        pollfd entries[2] = {{listenFd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(entries, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (entries[1].revents != 0) return;
        if ((entries[0].revents & POLLIN) == 0) continue;
        const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        handleClient(client);
        ::close(client);
    }
}

void LocalChannelServer::handleClient(int client) {
    std::string command;
    if (!fromSameUser(client) ||
        !readLine(client, command, kMaxChannelCommand, kClientReadTimeoutMs) ||
        !isValidCommand(command)) {
        return;
    }
    if (handler_) handler_(command);
    writeText(client, kHandledReply);
}

bool sendChannelCommand(const std::filesystem::path &socketPath, std::string_view command,
                        std::chrono::milliseconds timeout) {
    sockaddr_un address{};
    if (!isValidCommand(command) || !makeAddress(socketPath, address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    std::string reply;
    const bool handled =
        ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        writeText(fd, std::string(command) + "\n") &&
        readLine(fd, reply, kHandledReply.size(), clampToInt(timeout)) &&
        reply + "\n" == kHandledReply;
    ::close(fd);
    return handled;
}

}  // namespace platform
