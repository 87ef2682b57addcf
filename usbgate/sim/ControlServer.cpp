#include "ControlServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "../control/SocketPath.h"
#include "../src/Diagnostics.h"

namespace usbgate::sim {
namespace {

constexpr size_t kMaxLine = 64 * 1024;

}  // namespace

ControlServer::~ControlServer() {
    stop();
}

bool ControlServer::start(const std::string &path) {
    sockaddr_un address;
    if (!fillSocketAddress(path, address)) {
        diagnose(Level::Error, "simulator socket path too long: %s", path.c_str());
        return false;
    }
    if (someoneListens(address, SOCK_STREAM)) {
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

void ControlServer::run() {
    // Every client is served from this one thread without blocking on any: a
    // reply the client does not take stays with it, and its next command waits
    // until it has, so a client that keeps its connection open or never reads
    // holds up only itself.
    std::vector<Client> clients;
    for (;;) {
        std::vector<pollfd> fds = {{stopPipe_[0], POLLIN, 0}, {listenFd_, POLLIN, 0}};
        for (const Client &client : clients) {
            const short events = client.output.empty() ? POLLIN : POLLOUT;
            fds.push_back({client.fd, events, 0});
        }
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[0].revents != 0) break;
        for (size_t i = clients.size(); i-- > 0;) {
            if (fds[i + 2].revents != 0 && !serve(clients[i])) {
                close(clients[i].fd);
                clients.erase(clients.begin() + static_cast<ptrdiff_t>(i));
            }
        }
        if (fds[1].revents != 0) {
            int connection = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (connection >= 0) clients.push_back({connection, {}, {}});
        }
    }
    for (const Client &client : clients) close(client.fd);
}

bool ControlServer::serve(Client &client) {
    if (client.output.empty() && !receive(client)) return false;
    return answer(client);
}

bool ControlServer::answer(Client &client) {
    for (;;) {
        if (!flush(client)) return false;
        if (!client.output.empty()) return true;
        const size_t end = client.input.find('\n');
        if (end == std::string::npos) break;
        std::string line = client.input.substr(0, end);
        client.input.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        client.output = handler_(line) + "\n";
    }
    if (client.input.size() > kMaxLine) {
        client.output = "ERR line too long\n";
        flush(client);  // as far as it goes: the connection ends either way
        return false;
    }
    return true;
}

bool ControlServer::receive(Client &client) {
    char chunk[1024];
    ssize_t n = recv(client.fd, chunk, sizeof chunk, 0);
    if (n < 0) return errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK;
    if (n == 0) return false;
    client.input.append(chunk, static_cast<size_t>(n));
    return true;
}

bool ControlServer::flush(Client &client) {
    while (!client.output.empty()) {
        ssize_t n = send(client.fd, client.output.data(), client.output.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
        if (n <= 0) return false;
        client.output.erase(0, static_cast<size_t>(n));
    }
    return true;
}

}  // namespace usbgate::sim
