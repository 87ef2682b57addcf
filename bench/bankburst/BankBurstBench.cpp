// A burst of 1000 extra-key bank toggles handed in as fast as the device
// library's callback thread can, against the shown main window with the
// simulated keyboard. Reports what the burst costs the window: the longest
// time its thread could not run its event loop (a 1 ms heartbeat timer's
// longest gap), the processor time its thread spent on the burst, the
// repaints of the bank indicator and the time until the window shows the
// final bank.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <atomic>
#include <ctime>
#include <filesystem>
#include <thread>

#include "WindowBenchRun.h"
#include "devicelink/DevicePresence.h"
#include "platform/Folders.h"
#include "settings/AppPaths.h"
#include "ui/mainwindow/CVarnelDlg.h"
#include "ui/mainwindow/KeyboardView.h"

namespace {

constexpr int kToggles = 1000;

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Beats every millisecond while the window's thread runs its event loop.
class Heartbeat {
public:
    Heartbeat() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longestGapMs_ = std::max(longestGapMs_, sinceBeat_.nsecsElapsed() / 1e6);
            sinceBeat_.restart();
        });
        sinceBeat_.start();
        timer_.start();
    }
    double longestGapMs() const { return std::max(longestGapMs_, sinceBeat_.nsecsElapsed() / 1e6); }

private:
    QTimer timer_;
    QElapsedTimer sinceBeat_;
    double longestGapMs_ = 0;
};

// The window has handled every toggle and shows the bank the keyboard is on.
bool finalBankShown(CVarnelDlg &window) {
    return window.bankRelay().settled() &&
           window.keyboardView().shownBankB() == window.presence().bankB();
}

void BM_BankToggleBurst(benchmark::State &state) {
    const app::AppPaths paths = app::AppPaths::build(platform::applicationFolder(), "varnel");
    ProcessStores stores;
    CVarnelDlg window(paths, stores, benchsupport::quietEnvironment());
    window.setStartHidden();
    window.startUp();
    benchsupport::waitForTrayReady(window);
    window.openWindow();
    QWidget *indicator = window.control(mainwindow::ids::kLockAb);
    PaintCounter counter;
    indicator->installEventFilter(&counter);
    double longestStall = 0, uiCpu = 0, paints = 0;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        counter.paints = 0;
        const double cpuBefore = threadCpuMs();
        Heartbeat heartbeat;
        std::atomic<bool> sent{false};
        std::thread callbackThread([&] {
            for (int i = 0; i < kToggles; ++i) {
                window.presence().onDeviceEvent(devicelink::kEventBankToggle);
            }
            sent = true;
        });
        bool handled = false;
        while (!sent) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        callbackThread.join();
        QMetaObject::invokeMethod(
            &window, [&] { handled = true; }, Qt::QueuedConnection);
        while (!handled || !finalBankShown(window)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        longestStall = std::max(longestStall, heartbeat.longestGapMs());
        uiCpu += threadCpuMs() - cpuBefore;
        paints += counter.paints;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["ui_cpu_ms_per_burst"] = uiCpu / iterations;
    state.counters["ui_cpu_us_per_toggle"] = uiCpu * 1e3 / iterations / kToggles;
    state.counters["indicator_repaints_per_burst"] = paints / iterations;
    state.counters["bank_applications"] = window.bankRelay().appliedCount() / iterations;
    window.shutdown();
    window.presence().waitIdle();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_BankToggleBurst)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

int main(int argc, char **argv) {
    return benchsupport::runWindowBenchmarks(argc, argv);
}
