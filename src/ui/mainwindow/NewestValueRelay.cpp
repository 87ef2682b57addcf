#include "ui/mainwindow/NewestValueRelay.h"

#include <utility>

namespace mainwindow {

NewestValueRelay::NewestValueRelay(QObject *parent, Apply apply, std::chrono::milliseconds frame)
    : QObject(parent), apply_(std::move(apply)), frame_(frame) {
    frameTimer_.setSingleShot(true);
    connect(&frameTimer_, &QTimer::timeout, this, &NewestValueRelay::applyNewest);
}

bool NewestValueRelay::offer(int value) {
    newest_ = value;
    return !wakePending_.exchange(true);
}

void NewestValueRelay::ownerWoken() {
    if (frameTimer_.isActive()) return;
    const auto sinceLast = std::chrono::milliseconds(
        sinceApplied_.isValid() ? sinceApplied_.elapsed() : frame_.count());
    if (sinceLast >= frame_) return applyNewest();
    frameTimer_.start(frame_ - sinceLast);
}

// The wake is taken back before the value is read: a value offered after the
// read wakes the owner again, one offered before it is the one applied.
void NewestValueRelay::applyNewest() {
    wakePending_ = false;
    sinceApplied_.start();
    ++applied_;
    apply_(newest_.load());
}

}  // namespace mainwindow
