// Delivery of private messages to a window's thread. A post returns at once; a
// send from another thread waits until the window's thread has handled the
// message, or until the channel is closed (the window is shutting down), so no
// sender is left waiting on a window that will never answer.
#pragma once

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace mainwindow {

struct WindowMessage {
    std::uint32_t number = 0;
    std::uint64_t first = 0;
    std::int64_t second = 0;
};

class CrossThreadMessages : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(const WindowMessage &)>;

    // Messages are handled by `handler` on the thread of `owner`, which owns this.
    CrossThreadMessages(QObject *owner, Handler handler);
    ~CrossThreadMessages() override;

    void post(const WindowMessage &message);
    // Runs at once on the window's own thread; otherwise waits as described.
    void send(const WindowMessage &message);
    // Wakes every waiting sender and drops whatever arrives later.
    void close();
    bool isClosed() const;

protected:
    bool event(QEvent *event) override;

private:
    struct Completion;
    void deliver(const WindowMessage &message, std::shared_ptr<Completion> completion);

    Handler handler_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool closed_ = false;
};

}  // namespace mainwindow
