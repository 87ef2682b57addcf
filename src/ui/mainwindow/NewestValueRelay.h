// The newest of a stream of values offered from any thread, applied on the
// owner's thread at most once per frame. A value that a newer one supersedes
// before it is applied is never applied, so a burst costs the owner one
// application per frame however many values it carries.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>

namespace mainwindow {

class NewestValueRelay : public QObject {
public:
    using Apply = std::function<void(int)>;

    NewestValueRelay(QObject *parent, Apply apply, std::chrono::milliseconds frame);

    // Any thread. True when the owner's thread has to be woken to call
    // ownerWoken(); false while an earlier wake is still outstanding (the
    // value is applied with it).
    bool offer(int value);

    // Owner's thread: applies the newest value now, or at the start of the
    // next frame when one was applied less than a frame ago.
    void ownerWoken();

    // True once every offered value has been applied.
    bool settled() const { return !wakePending_; }
    int appliedCount() const { return applied_; }

private:
    void applyNewest();

    Apply apply_;
    std::chrono::milliseconds frame_;
    std::atomic<int> newest_{0};
    std::atomic<bool> wakePending_{false};
    QTimer frameTimer_;
    QElapsedTimer sinceApplied_;
    int applied_ = 0;
};

}  // namespace mainwindow
