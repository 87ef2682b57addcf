// SIGTERM, SIGINT and SIGHUP (logout, `kill`, Ctrl+C) turned into a call on the
// user-interface thread, so they run the same orderly shutdown as Exit: the
// signal handler only writes to a pipe, and a notifier reads it in the event
// loop, after whatever the thread was doing (a file write among it) has finished.
// After the first signal the default actions are back, so a second one ends the
// process at once.
#pragma once

#include <QObject>
#include <functional>

class ShutdownSignals : public QObject {
public:
    explicit ShutdownSignals(std::function<void()> onSignal, QObject *parent = nullptr);
    ~ShutdownSignals() override;
    ShutdownSignals(const ShutdownSignals &) = delete;
    ShutdownSignals &operator=(const ShutdownSignals &) = delete;

private:
    void received();

    std::function<void()> onSignal_;
};
