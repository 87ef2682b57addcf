// Starting other programs without a shell: a program of the application folder
// runs detached in its own session with no terminal input or output, and documents
// and web addresses open in the user's chosen application through xdg-open.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Starts the program (an absolute path) with the arguments, in workingFolder when
// one is given. False when it cannot be started (missing, not executable, or the
// working folder is missing). The child is reaped when it ends.
bool spawnDetached(const std::filesystem::path &program,
                   const std::vector<std::string> &arguments = {},
                   const std::filesystem::path &workingFolder = {});

// Opens a file path or a web address with xdg-open (found on PATH). Refuses empty
// targets, targets starting with '-' (they would be read as options) and targets
// with control characters. False when xdg-open cannot be started.
bool openWithDesktop(std::string_view target);

}  // namespace platform
