// What the main window does to the world outside itself: ending the process and
// starting other programs. The product uses the real actions; tests observe them.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mainwindow {

struct MainWindowEnvironment {
    // Ends the process at once with the exit code (the version check).
    std::function<void(int)> endProcess;
    // Starts a program of the application folder; false when it cannot start.
    std::function<bool(const std::filesystem::path &, const std::vector<std::string> &,
                       const std::filesystem::path &)>
        startProgram;
    // Opens a document or web address in the user's application.
    std::function<bool(std::string_view)> openWithDesktop;
    // Called by the shutdown sequence to give up the single-instance lock.
    std::function<void()> releaseInstance = [] {};

    // The real actions.
    static MainWindowEnvironment product();
};

}  // namespace mainwindow
