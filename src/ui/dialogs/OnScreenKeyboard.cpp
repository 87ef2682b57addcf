#include "ui/dialogs/OnScreenKeyboard.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/Spawn.h"

namespace dialogs {

namespace {

constexpr std::string_view kPrograms[] = {"onboard", "florence"};

bool isExecutableFile(const std::filesystem::path &file) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(file, ignored) && ::access(file.c_str(), X_OK) == 0;
}

}  // namespace

std::filesystem::path findOnScreenKeyboard(std::string_view searchPath) {
    for (std::string_view program : kPrograms) {
        std::string_view rest = searchPath;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
            if (folder.empty()) continue;  // the current folder is never searched
            const std::filesystem::path candidate = std::filesystem::path(folder) / program;
            if (isExecutableFile(candidate)) return candidate;
        }
    }
    return {};
}

bool startDesktopOnScreenKeyboard() {
    const char *path = std::getenv("PATH");
    const std::filesystem::path program = findOnScreenKeyboard(path ? path : "");
    return !program.empty() && platform::spawnDetached(program);
}

}  // namespace dialogs
