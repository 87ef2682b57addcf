#include "SimControl.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "SocketPath.h"

namespace usbgate {
namespace {

constexpr int kReplyTimeoutMs = 10000;

// Waits up to timeoutMs for bytes and reads them; 0 or less when none came. A
// signal handled meanwhile restarts the wait instead of ending it.
ssize_t receiveWithin(int fd, char *buffer, size_t size, int timeoutMs) {
    pollfd wait{fd, POLLIN, 0};
    int ready;
    do {
        ready = poll(&wait, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) return -1;
    ssize_t n;
    do {
        n = recv(fd, buffer, size, 0);
    } while (n < 0 && errno == EINTR);
    return n;
}

bool isFinalLine(const std::string &line) {
    return line == "OK" || line.rfind("ERR", 0) == 0;
}

}  // namespace

std::string SimControl::defaultPath() {
    return simulatorSocketPath();
}

SimControl::SimControl(std::string socketPath) : path_(std::move(socketPath)) {}

SimControl::~SimControl() {
    disconnect();
}

void SimControl::disconnect() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    pending_.clear();
}

bool SimControl::connectIfNeeded() {
    if (fd_ >= 0) return true;
    sockaddr_un address{};
    if (!fillSocketAddress(path_, address)) {
        lastError_ = "socket path too long";
        return false;
    }
    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0 || connect(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        lastError_ = "no simulator at " + path_ + ": " + std::strerror(errno);
        disconnect();
        return false;
    }
    return true;
}

bool SimControl::exchange(const std::string &command, std::string &reply) {
    const std::string line = command + "\n";
    ssize_t sent;
    do {
        sent = ::send(fd_, line.data(), line.size(), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent != static_cast<ssize_t>(line.size())) return false;
    reply.clear();
    for (;;) {
        size_t end;
        while ((end = pending_.find('\n')) != std::string::npos) {
            std::string received = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (isFinalLine(received)) {
                reply += received;
                return true;
            }
            reply += received + "\n";
        }
        char chunk[4096];
        const ssize_t n = receiveWithin(fd_, chunk, sizeof chunk, kReplyTimeoutMs);
        if (n <= 0) return false;
        pending_.append(chunk, static_cast<size_t>(n));
    }
}

std::optional<std::string> SimControl::send(const std::string &command) {
    // A line break would send two commands and leave the second reply to be
    // taken for the reply of the next command.
    if (command.find('\n') != std::string::npos) {
        lastError_ = "a command is a single line";
        return std::nullopt;
    }
    std::string reply;
    bool answered = false;
    // A simulator restarted since the last command drops the old connection: retry once.
    for (int attempt = 0; attempt < 2 && !answered; ++attempt) {
        if (!connectIfNeeded()) return std::nullopt;
        answered = exchange(command, reply);
        if (!answered) disconnect();
    }
    if (!answered) {
        lastError_ = "no answer from the simulator at " + path_;
        return std::nullopt;
    }
    size_t lastLine = reply.rfind('\n');
    std::string final = lastLine == std::string::npos ? reply : reply.substr(lastLine + 1);
    std::string body = lastLine == std::string::npos ? "" : reply.substr(0, lastLine + 1);
    if (final != "OK") {
        lastError_ = final.size() > 4 ? final.substr(4) : final;
        return std::nullopt;
    }
    return body;
}

std::vector<uint8_t> SimControl::peek(const std::string &region, size_t offset, size_t length) {
    auto reply =
        send("peek " + region + " " + std::to_string(offset) + " " + std::to_string(length));
    std::vector<uint8_t> bytes;
    if (!reply) return bytes;
    std::istringstream stream(*reply);
    for (std::string cell; stream >> cell;) {
        bytes.push_back(static_cast<uint8_t>(std::strtoul(cell.c_str(), nullptr, 16)));
    }
    return bytes;
}

bool SimControl::poke(const std::string &region, size_t offset, const std::vector<uint8_t> &bytes) {
    std::string hex;
    char cell[3];
    for (uint8_t byte : bytes) {
        std::snprintf(cell, sizeof cell, "%02X", byte);
        hex += cell;
    }
    return ok("poke " + region + " " + std::to_string(offset) + " " + hex);
}

bool SimControl::event(uint16_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", code);
    return ok(std::string("event ") + text);
}

bool SimControl::firmware(uint16_t version) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", version);
    return ok(std::string("firmware ") + text);
}

bool SimControl::statusNext(uint8_t status, uint32_t n) {
    return ok("fault status " + std::to_string(status) + " " + std::to_string(n));
}

bool SimControl::delayNext(uint32_t ms, uint32_t n) {
    return ok("fault delay " + std::to_string(ms) + " " + std::to_string(n));
}

std::optional<std::map<uint8_t, uint32_t>> SimControl::stats() {
    auto reply = send("stats");
    if (!reply) return std::nullopt;
    std::map<uint8_t, uint32_t> counts;
    std::istringstream stream(*reply);
    for (std::string code, count; stream >> code >> count;) {
        counts[static_cast<uint8_t>(std::strtoul(code.c_str(), nullptr, 16))] =
            static_cast<uint32_t>(std::strtoul(count.c_str(), nullptr, 10));
    }
    return counts;
}

}  // namespace usbgate
