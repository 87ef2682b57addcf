// Sends arbitrary bytes, as one connection, to a listening local channel, then
// closes the sending side and reads whatever comes back. The handler only ever
// sees a command of 1 to 32 printable characters, the one the bytes start with
// up to their first newline; the channel answers "DONE\n" exactly when the
// handler ran, and nothing otherwise.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "ScratchFolder.h"
#include "platform/LocalChannel.h"

namespace {

std::mutex handledMutex;
std::optional<std::string> handled;

void recordCommand(const std::string &command) {
    if (command.empty() || command.size() > platform::kMaxChannelCommand) __builtin_trap();
    for (const char c : command) {
        if (c < 0x21 || c > 0x7E) __builtin_trap();
    }
    std::lock_guard lock(handledMutex);
    handled = command;
}

const std::filesystem::path &socketPath() {
    static const ScratchFolder folder;
    static const std::filesystem::path path = folder / "channel";
    static const platform::LocalChannelServer server(path, recordCommand);
    if (!server.listening()) __builtin_trap();
    return path;
}

// The whole reply of the channel to these bytes.
std::string exchange(std::string_view bytes) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath().c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        __builtin_trap();
    }
    // The channel may stop reading and close early; what it did not read is lost.
    [[maybe_unused]] const auto sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    ::shutdown(fd, SHUT_WR);
    // The fuzzer's own timer signals may interrupt the read.
    std::string reply;
    char chunk[64];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        reply.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return reply;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    {
        std::lock_guard lock(handledMutex);
        handled.reset();
    }
    const std::string reply = exchange(bytes);
    std::lock_guard lock(handledMutex);
    if (handled) {
        if (reply != "DONE\n" || !bytes.starts_with(*handled + "\n")) __builtin_trap();
    } else if (!reply.empty()) {
        __builtin_trap();
    }
    return 0;
}
