// Runs the main window's handler when the system clock is set: the clock-change
// watch's descriptor is waited on by the window's event loop.
#pragma once

#include <QObject>
#include <functional>

#include "platform/ClockChangeWatch.h"

class QSocketNotifier;

namespace mainwindow {

class ClockChangeNotifier : public QObject {
    Q_OBJECT

public:
    ClockChangeNotifier(std::function<void()> onClockSet, QObject *parent = nullptr);

    bool isWatching() const;
    // What a clock change does, without changing the clock.
    void clockWasSet() { onClockSet_(); }

private:
    void descriptorReadable();

    platform::ClockChangeWatch watch_;
    QSocketNotifier *notifier_ = nullptr;
    std::function<void()> onClockSet_;
};

}  // namespace mainwindow
