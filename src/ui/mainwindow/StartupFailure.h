// A start-up step the utility cannot run without (the device library, a skin
// picture) ends the process with one line on stderr that says what is missing,
// and an exit code that tells a failed start from a normal end.
#pragma once

#include <QString>

namespace mainwindow {

inline constexpr int kStartupFailureExitCode = 2;

[[noreturn]] void exitForStartupFailure(const QString &what);

}  // namespace mainwindow
