// Start-up of the utility with the simulated keyboard, from constructing the
// main window to tray-ready: the tray icon added, the window marked ready and
// the keyboard found at start handled (version check, layout reads, profile
// download). Also reports the resident memory once started.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QCoreApplication>
#include <QThread>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "ScratchFolder.h"
#include "settings/AppPaths.h"
#include "platform/Folders.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "ui/mainwindow/CVarnelDlg.h"

namespace {

namespace fs = std::filesystem;

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

mainwindow::MainWindowEnvironment quietEnvironment() {
    mainwindow::MainWindowEnvironment environment;
    environment.endProcess = [](int) {};
    environment.startProgram = [](const fs::path &, const std::vector<std::string> &,
                                  const fs::path &) { return true; };
    environment.openWithDesktop = [](std::string_view) { return true; };
    return environment;
}

// Runs the event loop until the window is ready and the start's keyboard is handled.
void waitForTrayReady(CVarnelDlg &window) {
    while (!window.isReady() || window.presence().lastDeviceCount() == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
}

void BM_StartupToTrayReady(benchmark::State &state) {
    const app::AppPaths paths = app::AppPaths::build(platform::applicationFolder(), "varnel");
    for (auto _ : state) {
        ProcessStores stores;
        CVarnelDlg window(paths, stores, quietEnvironment());
        window.setStartHidden();
        window.startUp();
        waitForTrayReady(window);
        state.PauseTiming();
        state.counters["resident_MB"] = residentMegabytes();
        window.shutdown();
        window.presence().waitIdle();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToTrayReady)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

}  // namespace

int main(int argc, char **argv) {
    const ScratchFolder scratch;
    const fs::path &folder = scratch.path();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("USBGATE_BACKEND", "simulator", 1);
    setenv("USBGATE_SIM_PLUGGED", "1", 1);
    for (const char *name :
         {"XDG_RUNTIME_DIR", "XDG_STATE_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        setenv(name, folder.c_str(), 1);
    }
    setenv("USBGATE_SIM_SOCKET", (folder / "sim.sock").c_str(), 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
