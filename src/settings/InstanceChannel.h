// What a running varnel shares with other processes of its user: the name of
// its instance lock and its channel socket, the channel's command words, and
// the lock held by whoever is changing the per-user files (the window while
// it has unapplied key changes, varnelctl while it changes them).
#pragma once

#include <filesystem>
#include <string_view>

namespace app {

inline constexpr const char *kInstanceName = "QX11K09A";
inline constexpr const char *kUserFilesLockName = "QX11K09A-files";

// Channel commands: show the window, end the instance, and re-read what another
// process changed (the profile data file, the keyboard's lighting and profile).
inline constexpr std::string_view kOpenCommand = "OPEN";
inline constexpr std::string_view kKillCommand = "KILL";
inline constexpr std::string_view kReloadCommand = "RELOAD";

// The socket the first instance listens on, in the runtime folder (or in the
// given folder, the one the instance lock was taken in).
std::filesystem::path instanceChannelSocket();
std::filesystem::path instanceChannelSocket(const std::filesystem::path &folder);

}  // namespace app
