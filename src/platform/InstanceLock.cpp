#include "InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

// The lock file, opened; -1 for a relative folder (never the working folder) or a bad name.
int openLockFile(const std::filesystem::path &folder, const std::string &name) {
    if (!folder.is_absolute() || name.empty() || name.find('/') != std::string::npos) return -1;
    const std::filesystem::path lockFile = folder / (name + ".lock");
    return ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

}  // namespace

InstanceLock::InstanceLock(const std::filesystem::path &folder, const std::string &name) {
    const int fd = openLockFile(folder, name);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        heldElsewhere_ = errno == EWOULDBLOCK;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

InstanceLock::~InstanceLock() {
    release();
}

bool InstanceLock::heldByAnother(const std::filesystem::path &folder, const std::string &name) {
    const int fd = openLockFile(folder, name);
    if (fd < 0) return false;
    // A shared lock is refused only while some process holds the exclusive one.
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    ::close(fd_);  // closing drops the lock; the file stays for the next instance
    fd_ = -1;
}

}  // namespace platform
