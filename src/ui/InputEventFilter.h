// The application-wide input filter of the key capture and the macro recorder.
// It sees every key and mouse event the utility's windows receive, turns key
// events into the (virtual key, flags word) pairs of the keyboard messages the
// key codes are defined by, and lets its sink swallow them or pass them on.
#pragma once

#include <QObject>
#include <QPoint>
#include <cstdint>
#include <map>
#include <optional>

#include "model/MacroRecorder.h"

class QKeyEvent;
class QMouseEvent;

namespace ui {

class InputEventSink {
public:
    virtual ~InputEventSink() = default;
    // Every key event first, with its message number (key down or up, system
    // key down or up); the sink acts on the keys it watches system-wide.
    virtual model::HookDisposition systemKeyEvent(std::uint32_t message,
                                                  std::uint32_t virtualKey) = 0;
    // Then, unless swallowed, the key event with its flags word.
    virtual model::HookDisposition keyboardEvent(std::uint32_t virtualKey, std::uint32_t flags) = 0;
    // A mouse button press or release with the cursor in screen coordinates.
    virtual model::HookDisposition mouseEvent(std::uint32_t message, QPoint globalPosition) = 0;
};

// The words of a keyboard message for a Qt key event; none when the event
// carries no key of the keyboard (no native scan code or an unknown one).
struct KeyMessage {
    std::uint32_t message = 0;
    std::uint32_t virtualKey = 0;
    std::uint32_t flags = 0;
};
std::optional<KeyMessage> keyMessageOf(const QKeyEvent &event, bool wasDown);

// The message number of a mouse button event; none for other events.
std::optional<std::uint32_t> mouseMessageOf(const QMouseEvent &event);

class InputEventFilter : public QObject {
    Q_OBJECT

public:
    explicit InputEventFilter(InputEventSink &sink, QObject *parent = nullptr);
    ~InputEventFilter() override;

    // Starts or stops filtering the application's events.
    void install();
    void remove();
    bool isInstalled() const { return installed_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterKey(const QKeyEvent &event);
    bool filterMouse(const QMouseEvent &event);

    InputEventSink &sink_;
    bool installed_ = false;
    // Keys held down (by native scan code) and whether their press was swallowed.
    std::map<quint32, bool> held_;
};

}  // namespace ui
