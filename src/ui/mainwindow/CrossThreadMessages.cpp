#include "ui/mainwindow/CrossThreadMessages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

namespace mainwindow {

struct CrossThreadMessages::Completion {
    bool done = false;
};

namespace {

const QEvent::Type kMessageEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class MessageEvent : public QEvent {
public:
    MessageEvent(const WindowMessage &message, std::shared_ptr<void> completion)
        : QEvent(kMessageEventType), message(message), completion(std::move(completion)) {}
    WindowMessage message;
    std::shared_ptr<void> completion;  // set for sends
};

}  // namespace

CrossThreadMessages::CrossThreadMessages(QObject *owner, Handler handler)
    : QObject(owner), handler_(std::move(handler)) {}

CrossThreadMessages::~CrossThreadMessages() {
    close();
}

void CrossThreadMessages::close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

bool CrossThreadMessages::isClosed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

void CrossThreadMessages::post(const WindowMessage &message) {
    if (isClosed()) return;
    QCoreApplication::postEvent(this, new MessageEvent(message, nullptr));
}

void CrossThreadMessages::send(const WindowMessage &message) {
    if (QThread::currentThread() == thread()) {
        if (!isClosed()) handler_(message);
        return;
    }
    auto completion = std::make_shared<Completion>();
    std::unique_lock lock(mutex_);
    if (closed_) return;
    QCoreApplication::postEvent(this, new MessageEvent(message, completion));
    changed_.wait(lock, [&] { return closed_ || completion->done; });
}

bool CrossThreadMessages::event(QEvent *event) {
    if (event->type() != kMessageEventType) return QObject::event(event);
    auto *messageEvent = static_cast<MessageEvent *>(event);
    auto completion = std::static_pointer_cast<Completion>(messageEvent->completion);
    deliver(messageEvent->message, std::move(completion));
    return true;
}

void CrossThreadMessages::deliver(const WindowMessage &message,
                                  std::shared_ptr<Completion> completion) {
    if (!isClosed()) handler_(message);
    if (!completion) return;
    std::lock_guard lock(mutex_);
    completion->done = true;
    changed_.notify_all();
}

}  // namespace mainwindow
