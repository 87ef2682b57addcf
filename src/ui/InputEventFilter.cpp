#include "ui/InputEventFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "model/KeyConversions.h"
#include "platform/KeyEventTranslation.h"

namespace ui {

namespace {

// The numeric pad gives digits while Num Lock is on: its key events then carry
// a digit or the decimal separator as text.
bool numLockOnFor(const QKeyEvent &event) {
    const QString text = event.text();
    if (text.isEmpty()) return false;
    const QChar first = text.front();
    return first.isDigit() || first == QLatin1Char('.') || first == QLatin1Char(',');
}

bool isSystemKeyMessage(const QKeyEvent &event) {
    return event.modifiers().testFlag(Qt::AltModifier) || event.key() == Qt::Key_F10;
}

}  // namespace

std::optional<KeyMessage> keyMessageOf(const QKeyEvent &event, bool wasDown) {
    const quint32 native = event.nativeScanCode();
    if (native <= platform::kXkbKeycodeOffset) return std::nullopt;
    const platform::HeldModifiers held{event.modifiers().testFlag(Qt::ControlModifier),
                                       event.modifiers().testFlag(Qt::AltModifier)};
    const auto key = platform::translateEvdevKey(native - platform::kXkbKeycodeOffset,
                                                 numLockOnFor(event), held);
    if (!key) return std::nullopt;
    const bool released = event.type() == QEvent::KeyRelease;
    const bool system = isSystemKeyMessage(event);
    KeyMessage message;
    if (released) {
        message.message = system ? model::kMessageSysKeyUp : model::kMessageKeyUp;
    } else {
        message.message = system ? model::kMessageSysKeyDown : model::kMessageKeyDown;
    }
    message.virtualKey = key->virtualKey;
    message.flags = platform::keyEventFlags(*key, wasDown || released, released);
    return message;
}

std::optional<std::uint32_t> mouseMessageOf(const QMouseEvent &event) {
    const bool press =
        event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
    if (!press && event.type() != QEvent::MouseButtonRelease) return std::nullopt;
    switch (event.button()) {
        case Qt::LeftButton:
            return press ? model::kMessageLeftDown : model::kMessageLeftUp;
        case Qt::RightButton:
            return press ? model::kMessageRightDown : model::kMessageRightUp;
        case Qt::MiddleButton:
            return press ? model::kMessageMiddleDown : model::kMessageMiddleUp;
        default:
            return std::nullopt;
    }
}

InputEventFilter::InputEventFilter(InputEventSink &sink, QObject *parent)
    : QObject(parent), sink_(sink) {}

InputEventFilter::~InputEventFilter() {
    remove();
}

void InputEventFilter::install() {
    if (installed_ || !QCoreApplication::instance()) return;
    QCoreApplication::instance()->installEventFilter(this);
    installed_ = true;
    held_.clear();
}

void InputEventFilter::remove() {
    if (!installed_) return;
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
    installed_ = false;
    held_.clear();
}

bool InputEventFilter::eventFilter(QObject *watched, QEvent *event) {
    // Input reaches a top-level window first and is then handed to its widgets;
    // acting at the window sees every event once.
    if (!watched->isWindowType()) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return filterKey(static_cast<const QKeyEvent &>(*event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return filterMouse(static_cast<const QMouseEvent &>(*event));
        default:
            return false;
    }
}

bool InputEventFilter::filterKey(const QKeyEvent &event) {
    const quint32 native = event.nativeScanCode();
    const auto held = held_.find(native);
    const bool wasDown = event.isAutoRepeat() || held != held_.end();
    // A repeating key reports a release before every repeated press; the keyboard
    // messages know only the repeated press, so the release goes the press's way.
    if (event.type() == QEvent::KeyRelease && event.isAutoRepeat()) {
        return held != held_.end() && held->second;
    }
    const auto message = keyMessageOf(event, wasDown);
    if (!message) return false;
    // Keys that report only their release on the other system have their press
    // dropped here, so the capture and the recorder see them the same way.
    if (event.type() == QEvent::KeyPress &&
        model::isReleaseOnlyKey(model::keyCodeOfKeyEvent(message->virtualKey, message->flags))) {
        return false;
    }
    bool swallow = sink_.systemKeyEvent(message->message, message->virtualKey) ==
                   model::HookDisposition::Swallow;
    if (!swallow) {
        swallow = sink_.keyboardEvent(message->virtualKey, message->flags) ==
                  model::HookDisposition::Swallow;
    }
    if (event.type() == QEvent::KeyRelease) {
        held_.erase(native);
    } else {
        held_[native] = swallow;
    }
    return swallow;
}

bool InputEventFilter::filterMouse(const QMouseEvent &event) {
    const auto message = mouseMessageOf(event);
    if (!message) return false;
    return sink_.mouseEvent(*message, event.globalPosition().toPoint()) ==
           model::HookDisposition::Swallow;
}

}  // namespace ui
