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

// The process's file creation mask, read without changing it (umask() would,
// for a moment, for every thread).
mode_t currentUmask() {
    std::FILE *status = std::fopen("/proc/self/status", "r");
    unsigned mask = 022;
    if (status == nullptr) return mask;
    char line[128];
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "Umask: %o", &mask) == 1) break;
    }
    std::fclose(status);
    return static_cast<mode_t>(mask);
}

// A replaced file keeps its permissions; a new one gets those of any new file
// (0666 less the creation mask) instead of the temporary file's 0600.
bool setPermissions(int fd, const std::filesystem::path &path) {
    struct stat info {};
    const mode_t mode =
        ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : (0666 & ~currentUmask());
    return ::fchmod(fd, mode) == 0;
}

}  // namespace

bool replaceFileAtomically(const std::filesystem::path &path, std::span<const std::uint8_t> data) {
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return false;
    const bool written = writeAll(fd, data) && setPermissions(fd, path) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace model
