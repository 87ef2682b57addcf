// Start-up of the utility with the simulated keyboard, from constructing the
// main window to tray-ready: the tray icon added, the window marked ready and
// the keyboard found at start handled (version check, layout reads, profile
// download). Also reports the resident memory once started.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <thread>

#include "WindowBenchRun.h"
#include "platform/Folders.h"
#include "settings/AppPaths.h"
#include "ui/mainwindow/CTrayIcon.h"
#include "ui/mainwindow/CVarnelDlg.h"

namespace {

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

void BM_StartupToTrayReady(benchmark::State &state) {
    const app::AppPaths paths = app::AppPaths::build(platform::applicationFolder(), "varnel");
    for (auto _ : state) {
        ProcessStores stores;
        CVarnelDlg window(paths, stores, benchsupport::quietEnvironment());
        window.setStartHidden();
        window.startUp();
        benchsupport::waitForTrayReady(window);
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
    return benchsupport::runWindowBenchmarks(argc, argv);
}
