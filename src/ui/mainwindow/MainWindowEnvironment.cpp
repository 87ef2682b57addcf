#include "ui/mainwindow/MainWindowEnvironment.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Spawn.h"

namespace mainwindow {

MainWindowEnvironment MainWindowEnvironment::product() {
    MainWindowEnvironment environment;
    environment.endProcess = [](int code) {
        std::fflush(nullptr);
        std::exit(code);
    };
    environment.startProgram = [](const std::filesystem::path &program,
                                  const std::vector<std::string> &arguments,
                                  const std::filesystem::path &folder) {
        return platform::spawnDetached(program, arguments, folder);
    };
    environment.openWithDesktop = [](std::string_view target) {
        return platform::openWithDesktop(target);
    };
    return environment;
}

}  // namespace mainwindow
