#include "Spawn.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char **environ;

namespace platform {
namespace {

// Owns the spawn attributes and file actions for one start.
class SpawnSetup {
public:
    SpawnSetup() {
        ::posix_spawn_file_actions_init(&actions_);
        ::posix_spawnattr_init(&attributes_);
    }
    ~SpawnSetup() {
        ::posix_spawn_file_actions_destroy(&actions_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup &) = delete;
    SpawnSetup &operator=(const SpawnSetup &) = delete;

    // No terminal input or output, its own session, default signal handling.
    bool prepare(const std::filesystem::path &workingFolder) {
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        bool ok =
            ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                                         POSIX_SPAWN_SETSIGDEF) == 0 &&
            ::posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
            ::posix_spawnattr_setsigdefault(&attributes_, &all) == 0;
        for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
            const int mode = fd == STDIN_FILENO ? O_RDONLY : O_WRONLY;
            ok = ok && ::posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null", mode, 0) == 0;
        }
        if (!workingFolder.empty()) {
            ok =
                ok && ::posix_spawn_file_actions_addchdir_np(&actions_, workingFolder.c_str()) == 0;
        }
        return ok;
    }

    const posix_spawn_file_actions_t *actions() const { return &actions_; }
    const posix_spawnattr_t *attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

std::vector<char *> argumentVector(const std::string &first, const std::vector<std::string> &rest) {
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(first.c_str()));
    for (const auto &argument : rest) argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

void reapWhenDone(pid_t child) {
    std::thread([child] {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

bool isExecutableFile(const std::filesystem::path &program) {
    struct stat info {};
    return program.is_absolute() && ::stat(program.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(program.c_str(), X_OK) == 0;
}

bool isSafeTarget(std::string_view target) {
    if (target.empty() || target.front() == '-') return false;
    for (const char c : target) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return true;
}

// Starts file (searched on PATH when searchPath is set) and reaps it when it ends.
bool startChild(const std::string &file, bool searchPath, const std::vector<std::string> &arguments,
                const std::filesystem::path &workingFolder) {
    SpawnSetup setup;
    if (!setup.prepare(workingFolder)) return false;
    auto argv = argumentVector(file, arguments);
    pid_t child = 0;
    const auto spawn = searchPath ? ::posix_spawnp : ::posix_spawn;
    if (spawn(&child, file.c_str(), setup.actions(), setup.attributes(), argv.data(), environ) !=
        0) {
        return false;
    }
    reapWhenDone(child);
    return true;
}

}  // namespace

bool spawnDetached(const std::filesystem::path &program, const std::vector<std::string> &arguments,
                   const std::filesystem::path &workingFolder) {
    if (!isExecutableFile(program)) return false;
    std::error_code error;
    if (!workingFolder.empty() && !std::filesystem::is_directory(workingFolder, error)) {
        return false;
    }
    return startChild(program.string(), false, arguments, workingFolder);
}

bool openWithDesktop(std::string_view target) {
    if (!isSafeTarget(target)) return false;
    return startChild("xdg-open", true, {std::string(target)}, {});
}

}  // namespace platform
