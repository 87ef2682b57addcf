// Where things live: the folder of the running executable and the per-user XDG
// base folders. An XDG variable that is unset, empty or not an absolute path is
// ignored and the default under the home folder is used.
#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The name every per-user folder of the utility uses.
inline constexpr const char *kProductFolderName = "Tarvik Q770RGB-PRO";

// The folder of the running executable (from /proc/self/exe), or empty on failure.
std::filesystem::path applicationFolder();
// The file name of the running executable, without folder.
std::string executableFileName();

// $HOME, or the home folder of the user's account entry.
std::filesystem::path homeFolder();
// $XDG_DATA_HOME, default ~/.local/share.
std::filesystem::path dataHome();
// $XDG_CONFIG_HOME, default ~/.config.
std::filesystem::path configHome();
// $XDG_STATE_HOME, default ~/.local/state.
std::filesystem::path stateHome();
// $XDG_RUNTIME_DIR; without it a private folder varnel-<uid> (mode 0700, owned by the
// user) in the temporary folder ($TMPDIR, default /tmp). Empty when neither is usable,
// for example when that folder exists but others can enter it.
std::filesystem::path runtimeFolder();

}  // namespace platform
