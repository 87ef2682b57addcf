#include "ui/mainwindow/BusyWhileWaiting.h"

#include <QGuiApplication>
#include <QThread>

#include "ui/mainwindow/BusyIndicator.h"

namespace mainwindow {

BusyWhileWaiting::BusyWhileWaiting(QObject *parent, BusyIndicator &indicator)
    : QObject(parent), indicator_(indicator) {}

bool BusyWhileWaiting::onWindowThread() const {
    return QThread::currentThread() == thread();
}

void BusyWhileWaiting::exchangeStalled() {
    if (onWindowThread()) return showBusy();
    QMetaObject::invokeMethod(
        this, [this] { showBusy(); }, Qt::QueuedConnection);
}

// Off the window's thread the indicator's own timer animates it.
void BusyWhileWaiting::exchangeStillWaiting() {
    if (onWindowThread()) indicator_.drawNextFrameNow();
}

void BusyWhileWaiting::stalledExchangeEnded() {
    if (onWindowThread()) return endBusy();
    QMetaObject::invokeMethod(
        this, [this] { endBusy(); }, Qt::QueuedConnection);
}

void BusyWhileWaiting::showBusy() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    indicator_.showNow();
}

// The indicator goes away once the window's thread runs its events again
// (after its settle delay); the cursor of this exchange at once.
void BusyWhileWaiting::endBusy() {
    QGuiApplication::restoreOverrideCursor();
    indicator_.end();
}

}  // namespace mainwindow
