// What the live preview costs the processor with the window shown: seconds of
// the window's event loop with the 50 ms preview timer running, the lighting
// view on in a mode against the same window with the view off.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <ctime>
#include <memory>

#include "PreviewStage.h"

namespace {

constexpr int kTickMs = 50;
constexpr int kSecondMs = 1000;

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Made by main after the application object and gone before it.
previewui::PreviewStage *shownStage = nullptr;

previewui::PreviewStage &stage() {
    return *shownStage;
}

// Runs the event loop for `ms` milliseconds.
void runEventLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// One second of the window's event loop with the preview timer ticking; the
// processor time it took, in percent of one core. The repaint that switching
// the view on or off causes is done before the second starts: it is paid once
// a switch, not while the preview runs.
double busyPercentOverOneSecond(paneltest::PanelWindow &window) {
    runEventLoopFor(kTickMs);
    QTimer ticks;
    ticks.setInterval(kTickMs);
    QObject::connect(&ticks, &QTimer::timeout, &window,
                     [&window] { window.panel().previewTick(); });
    const double start = processSeconds();
    ticks.start();
    runEventLoopFor(kSecondMs);
    return (processSeconds() - start) * 100.0;
}

void BM_PreviewProcessorShare(benchmark::State &state) {
    previewui::PreviewStage &shown = stage();
    if (!shown.failure().empty()) {
        state.SkipWithError(shown.failure().c_str());
        return;
    }
    const int mode = int(state.range(0));
    shown.setLightingView(true);
    if (!shown.chooseMode(mode)) {
        state.SkipWithError("mode not offered by the keyboard");
        return;
    }
    shown.setMulticolour(state.range(1) != 0);
    double on = 0, off = 0;
    for (auto _ : state) {
        shown.setLightingView(false);
        off += busyPercentOverOneSecond(shown.window());
        shown.setLightingView(true);
        on += busyPercentOverOneSecond(shown.window());
    }
    const double runs = double(state.iterations());
    state.counters["view_off_pct"] = off / runs;
    state.counters["view_on_pct"] = on / runs;
    state.counters["added_pct_of_core"] = (on - off) / runs;
    state.counters["on_off_ratio"] = off > 0 ? on / off : 0;
}

// One tick with everything it causes: the colours of the step, the buttons
// framed anew and (with paint=1) the window repainted.
void BM_PreviewTickWithPaint(benchmark::State &state) {
    previewui::PreviewStage &shown = stage();
    if (!shown.failure().empty()) {
        state.SkipWithError(shown.failure().c_str());
        return;
    }
    shown.setLightingView(true);
    if (!shown.chooseMode(int(state.range(0)))) {
        state.SkipWithError("mode not offered by the keyboard");
        return;
    }
    shown.setMulticolour(true);
    const bool paint = state.range(1) != 0;
    for (auto _ : state) {
        shown.window().panel().previewTick();
        if (paint) QApplication::processEvents();
    }
    QApplication::processEvents();
}

}  // namespace

BENCHMARK(BM_PreviewTickWithPaint)
    ->ArgNames({"mode", "paint"})
    ->ArgsProduct({{1, 10, 14}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
// The painted tick of every other mode the keyboard offers.
BENCHMARK(BM_PreviewTickWithPaint)
    ->ArgNames({"mode", "paint"})
    ->ArgsProduct({{2, 3, 4, 5, 6, 7, 11, 12, 13, 15, 16, 17, 18, 20}, {1}})
    ->Unit(benchmark::kMicrosecond);
// The share of every mode the keyboard offers, the costliest first.
BENCHMARK(BM_PreviewProcessorShare)
    ->ArgNames({"mode", "multicolour"})
    ->Args({1, 0})
    ->ArgsProduct({{1, 2, 3, 10, 14, 4, 5, 11, 12, 13, 15, 16, 18, 6, 7, 17, 20}, {1}})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    auto made = std::make_unique<previewui::PreviewStage>();
    shownStage = made.get();
    benchmark::RunSpecifiedBenchmarks();
    made.reset();
    benchmark::Shutdown();
    return 0;
}
