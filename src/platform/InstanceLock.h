// The single-instance mark: a per-user lock named after the instance mutex name.
// The first process that takes it is the first instance; the lock is held until
// release() or the end of the process (the kernel drops it even after a crash).
#pragma once

#include <filesystem>
#include <string>

namespace platform {

class InstanceLock {
public:
    // Locks <folder>/<name>.lock (the folder is usually runtimeFolder()). A relative
    // folder is refused, so the lock never lands in the working folder.
    InstanceLock(const std::filesystem::path &folder, const std::string &name);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // True when this process holds the lock: no other instance runs.
    bool held() const { return fd_ >= 0; }
    // True when another process holds it. Neither held() nor heldElsewhere() means the
    // lock file could not be opened (no usable folder).
    bool heldElsewhere() const { return heldElsewhere_; }
    void release();

    // True while a living process holds the lock, without taking it: the kernel
    // drops the lock when its holder ends, however it ends.
    static bool heldByAnother(const std::filesystem::path &folder, const std::string &name);

private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

}  // namespace platform
