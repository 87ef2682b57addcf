#include "app/ShutdownSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int signalPipe[2] = {-1, -1};

extern "C" void writeSignalToPipe(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const auto ignored = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void setHandlers(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) ::sigaction(number, &action, nullptr);
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal, QObject *parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &ShutdownSignals::received);
    setHandlers(writeSignalToPipe);
}

ShutdownSignals::~ShutdownSignals() {
    setHandlers(SIG_DFL);
}

void ShutdownSignals::received() {
    char drained[16];
    while (::read(signalPipe[0], drained, sizeof drained) > 0) {
    }
    setHandlers(SIG_DFL);
    if (onSignal_) onSignal_();
}
