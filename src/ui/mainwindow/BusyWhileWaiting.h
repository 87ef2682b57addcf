// Shows the busy cursor and the busy indicator while an exchange with the
// keyboard waits long for its answer.
//
// The exchange reports itself on the thread that waits. When that is the
// window's own thread, the thread is blocked in a wait that runs no events, so
// nothing queued for it would be seen before the wait ends: the cursor is set
// and the indicator drawn right there, synchronously, and every later notice
// draws the indicator's next frame, so it keeps moving while the window waits.
// An exchange on another thread leaves the window's thread free: the same
// changes are queued to it.
#pragma once

#include <QObject>

#include "devicelink/ExchangeWaitObserver.h"

class BusyIndicator;

namespace mainwindow {

class BusyWhileWaiting : public QObject, public devicelink::ExchangeWaitObserver {
public:
    BusyWhileWaiting(QObject *parent, BusyIndicator &indicator);

    void exchangeStalled() override;
    void exchangeStillWaiting() override;
    void stalledExchangeEnded() override;

private:
    bool onWindowThread() const;
    void showBusy();
    void endBusy();

    BusyIndicator &indicator_;
};

}  // namespace mainwindow
