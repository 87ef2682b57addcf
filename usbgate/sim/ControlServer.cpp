#include "ControlServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "../src/Diagnostics.h"

namespace usbgate::sim {
namespace {

constexpr size_t kMaxLine = 64 * 1024;

bool fillAddress(const std::string &path, sockaddr_un &address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool someoneListens(const sockaddr_un &address) {
    int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0) return false;
    bool live = connect(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(probe);
    return live;
}

bool writeAll(int fd, const std::string &text) {
    size_t sent = 0;
    while (sent < text.size()) {
        ssize_t n = send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

ControlServer::~ControlServer() {
    stop();
}

bool ControlServer::start(const std::string &path) {
    sockaddr_un address;
    if (!fillAddress(path, address)) {
        diagnose(Level::Error, "simulator socket path too long: %s", path.c_str());
        return false;
    }
    if (someoneListens(address)) {
        diagnose(Level::Error, "another simulator already listens at %s", path.c_str());
        return false;
    }
    unlink(path.c_str());
    listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 ||
        bind(listenFd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        listen(listenFd_, 4) != 0 || pipe2(stopPipe_, O_CLOEXEC) != 0) {
        diagnose(Level::Error, "cannot listen at %s: %s", path.c_str(), std::strerror(errno));
        stop();
        return false;
    }
    path_ = path;
    thread_ = std::thread(&ControlServer::run, this);
    return true;
}

void ControlServer::stop() {
    if (stopPipe_[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] ssize_t ignored = write(stopPipe_[1], &wake, 1);
    }
    if (thread_.joinable()) thread_.join();
    for (int *fd : {&listenFd_, &stopPipe_[0], &stopPipe_[1]}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
    if (!path_.empty()) unlink(path_.c_str());
    path_.clear();
}

bool ControlServer::waitReadable(int fd) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    for (;;) {
        int ready = poll(fds, 2, -1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || fds[1].revents != 0) return false;
        return fds[0].revents != 0;
    }
}

void ControlServer::run() {
    while (waitReadable(listenFd_)) {
        int connection = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        serve(connection);
        close(connection);
    }
}

void ControlServer::serve(int connection) {
    std::string buffer;
    char chunk[1024];
    while (waitReadable(connection)) {
        ssize_t n = recv(connection, chunk, sizeof chunk, 0);
        if (n <= 0) return;
        buffer.append(chunk, static_cast<size_t>(n));
        for (size_t end = buffer.find('\n'); end != std::string::npos; end = buffer.find('\n')) {
            std::string line = buffer.substr(0, end);
            buffer.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!writeAll(connection, handler_(line) + "\n")) return;
        }
        if (buffer.size() > kMaxLine) {
            writeAll(connection, "ERR line too long\n");
            return;
        }
    }
}

}  // namespace usbgate::sim
