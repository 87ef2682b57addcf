#include "ui/mainwindow/ClockChangeNotifier.h"

#include <QSocketNotifier>

namespace mainwindow {

ClockChangeNotifier::ClockChangeNotifier(std::function<void()> onClockSet, QObject *parent)
    : QObject(parent), onClockSet_(std::move(onClockSet)) {
    if (watch_.descriptor() < 0) return;
    notifier_ = new QSocketNotifier(watch_.descriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ClockChangeNotifier::descriptorReadable);
}

bool ClockChangeNotifier::isWatching() const {
    return notifier_ && notifier_->isEnabled() && watch_.isArmed();
}

void ClockChangeNotifier::descriptorReadable() {
    if (watch_.takeClockChange()) clockWasSet();
}

}  // namespace mainwindow
