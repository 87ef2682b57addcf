#include "InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

InstanceLock::InstanceLock(std::filesystem::path folder, const std::string &name) {
    if (name.empty() || name.find('/') != std::string::npos) return;
    const std::filesystem::path lockFile = std::move(folder) / (name + ".lock");
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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

void InstanceLock::release() {
    if (fd_ < 0) return;
    ::close(fd_);  // closing drops the lock; the file stays for the next instance
    fd_ = -1;
}

}  // namespace platform
