#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace model {
namespace {

bool writeAll(int fd, std::span<const std::uint8_t> data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t written = ::write(fd, data.data() + done, data.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// A replaced file keeps its permissions; a new one stays private to the user (0600).
bool keepPermissions(int fd, const std::filesystem::path &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return true;
    return ::fchmod(fd, info.st_mode & 07777) == 0;
}

}  // namespace

bool replaceFileAtomically(const std::filesystem::path &path, std::span<const std::uint8_t> data) {
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    const bool written = writeAll(fd, data) && keepPermissions(fd, path) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace model
