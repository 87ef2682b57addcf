#include "AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace platform {
namespace {

std::mutex checkpointMutex;
AtomicWriteCheckpoint checkpoint;

bool passCheckpoint(const std::filesystem::path &temporary) {
    std::lock_guard lock(checkpointMutex);
    return !checkpoint || checkpoint(temporary);
}

std::filesystem::path resolveLinks(const std::filesystem::path &file) {
    std::error_code error;
    if (!std::filesystem::is_symlink(file, error)) return file;
    auto target = std::filesystem::weakly_canonical(file, error);
    return error ? file : target;
}

// Temporary files are named after the file they replace, this marker, and three numbers.
constexpr std::string_view kTemporaryMarker = ".tmp.";

// A name no other writer uses: pid, a counter and a random number.
std::filesystem::path temporaryNameFor(const std::filesystem::path &file) {
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937 random{std::random_device{}()};
    const auto suffix = std::string(kTemporaryMarker) + std::to_string(getpid()) + "." +
                        std::to_string(counter.fetch_add(1)) + "." + std::to_string(random());
    auto name = file;
    name += suffix;
    return name;
}

bool writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void syncFolder(const std::filesystem::path &folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A file that may not be written in place must not be replaced either: the rename
// only needs the folder's permission, so the file's own mode is checked here. A
// file with no write bit at all counts as read-only for every user, root included.
bool isReadOnly(const std::filesystem::path &target, mode_t mode) {
    return (mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0;
}

// The mode of the file a write replaces; nothing for a new file.
std::optional<mode_t> existingMode(const std::filesystem::path &target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) return std::nullopt;
    return existing.st_mode;
}

// Writes the temporary file; it takes the permission bits of the file it replaces,
// or the default bits under the process umask for a new file.
bool writeTemporary(const std::filesystem::path &temporary, std::optional<mode_t> replacedMode,
                    std::string_view contents) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = !replacedMode || ::fchmod(fd, *replacedMode & 07777) == 0;
    ok = ok && writeAll(fd, contents) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The writer's process id when the name is one of temporaryNameFor's, else 0.
pid_t writerOfTemporary(std::string_view name) {
    const auto marker = name.rfind(kTemporaryMarker);
    if (marker == std::string_view::npos || marker == 0) return 0;
    const std::string_view numbers = name.substr(marker + kTemporaryMarker.size());
    const auto firstDot = numbers.find('.');
    const auto secondDot = numbers.find('.', firstDot == std::string_view::npos ? 0 : firstDot + 1);
    if (secondDot == std::string_view::npos) return 0;
    const std::string_view pid = numbers.substr(0, firstDot);
    if (pid.size() > 9 || !allDigits(pid) ||
        !allDigits(numbers.substr(firstDot + 1, secondDot - firstDot - 1)) ||
        !allDigits(numbers.substr(secondDot + 1))) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(pid)));
}

bool processRuns(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

}  // namespace

std::size_t removeInterruptedWrites(const std::filesystem::path &folder) {
    std::size_t removed = 0;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error) || entry.is_symlink(error)) continue;
        const pid_t writer = writerOfTemporary(entry.path().filename().string());
        if (writer <= 0 || processRuns(writer)) continue;
        if (std::filesystem::remove(entry.path(), error)) ++removed;
    }
    return removed;
}

std::optional<std::string> readWholeFile(const std::filesystem::path &file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string contents;
    char buffer[16384];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (got < 0) return std::nullopt;
    return contents;
}

bool writeFileAtomically(const std::filesystem::path &file, std::string_view contents) {
    const auto target = resolveLinks(file);
    const std::optional<mode_t> replacedMode = existingMode(target);
    if (replacedMode && isReadOnly(target, *replacedMode)) return false;
    const auto temporary = temporaryNameFor(target);
    if (!writeTemporary(temporary, replacedMode, contents) || !passCheckpoint(temporary) ||
        ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

void setAtomicWriteCheckpoint(AtomicWriteCheckpoint newCheckpoint) {
    std::lock_guard lock(checkpointMutex);
    checkpoint = std::move(newCheckpoint);
}

}  // namespace platform
