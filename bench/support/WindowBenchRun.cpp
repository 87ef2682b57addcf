#include "WindowBenchRun.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "ScratchFolder.h"
#include "SimulatorEnvironment.h"
#include "devicelink/DevicePresence.h"
#include "ui/mainwindow/CVarnelDlg.h"

namespace benchsupport {

namespace fs = std::filesystem;

mainwindow::MainWindowEnvironment quietEnvironment() {
    mainwindow::MainWindowEnvironment environment;
    environment.endProcess = [](int) {};
    environment.startProgram = [](const fs::path &, const std::vector<std::string> &,
                                  const fs::path &) { return true; };
    environment.openWithDesktop = [](std::string_view) { return true; };
    return environment;
}

void waitForTrayReady(CVarnelDlg &window) {
    while (!window.isReady() || window.presence().lastDeviceCount() == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
}

int runWindowBenchmarks(int argc, char **argv) {
    const ScratchFolder scratch;
    const fs::path &folder = scratch.path();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    useSimulatorIn(folder);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace benchsupport
