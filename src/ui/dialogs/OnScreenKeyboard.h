// Starting the desktop's on-screen keyboard, when one is installed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dialogs {

// The first on-screen keyboard program found on the search path (a
// colon-separated folder list); empty when none is installed.
std::filesystem::path findOnScreenKeyboard(std::string_view searchPath);

// Starts it detached; false when none is installed or it cannot start.
bool startDesktopOnScreenKeyboard();

}  // namespace dialogs
