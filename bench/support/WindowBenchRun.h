// What the benchmarks of the main window share: a window environment that
// starts and opens nothing, and a run of the benchmarks on the offscreen
// platform with the simulated keyboard and fresh per-user folders.
#pragma once

#include "ui/mainwindow/MainWindowEnvironment.h"

class CVarnelDlg;

namespace benchsupport {

mainwindow::MainWindowEnvironment quietEnvironment();

// Runs the event loop until the window is ready and the start's keyboard is handled.
void waitForTrayReady(CVarnelDlg &window);

// Sets up the folders, the simulator and the application, runs every
// registered benchmark and returns the process's exit code.
int runWindowBenchmarks(int argc, char **argv);

}  // namespace benchsupport
