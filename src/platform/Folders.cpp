#include "Folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {
namespace {

std::filesystem::path absoluteFromEnvironment(const char *name) {
    const char *value = std::getenv(name);
    if (value == nullptr || *value == '\0') return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path{};
}

std::filesystem::path xdgFolder(const char *variable, const std::filesystem::path &fallback) {
    auto folder = absoluteFromEnvironment(variable);
    return folder.empty() ? homeFolder() / fallback : folder;
}

std::filesystem::path executablePath() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : path;
}

// A folder only this user can use: created with 0700, or an existing one that this
// user owns, that is no symbolic link and that nobody else can enter.
bool isPrivateFolder(const std::filesystem::path &folder) {
    ::mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

}  // namespace

std::filesystem::path applicationFolder() {
    return executablePath().parent_path();
}

std::string executableFileName() {
    return executablePath().filename().string();
}

std::filesystem::path homeFolder() {
    auto home = absoluteFromEnvironment("HOME");
    if (!home.empty()) return home;
    const passwd *entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr) return entry->pw_dir;
    return "/";
}

std::filesystem::path dataHome() {
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path configHome() {
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path stateHome() {
    return xdgFolder("XDG_STATE_HOME", ".local/state");
}

std::filesystem::path runtimeFolder() {
    auto folder = absoluteFromEnvironment("XDG_RUNTIME_DIR");
    if (!folder.empty()) return folder;
    std::error_code error;
    auto temporary = std::filesystem::temp_directory_path(error);
    if (error) temporary = "/tmp";
    folder = temporary / ("varnel-" + std::to_string(::getuid()));
    return isPrivateFolder(folder) ? folder : std::filesystem::path{};
}

}  // namespace platform
