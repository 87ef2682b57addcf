#include "app/WindowGrab.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "ui/skin/WindowSnapshot.h"

namespace {

constexpr int kSettleMs = 500;

class GrabOnFirstShow : public QObject {
public:
    GrabOnFirstShow(QWidget &window, QString file) : QObject(&window), file_(std::move(file)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        // Shown and not minimised: a window minimised for want of a tray is not open.
        auto *window = static_cast<QWidget *>(watched);
        const bool opened =
            event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange;
        if (opened && !done_ && window->isVisible() && !window->isMinimized()) {
            done_ = true;
            QTimer::singleShot(kSettleMs, this, [window, file = file_] {
                const bool saved = skin::saveWindowSnapshot(*window, file);
                std::fprintf(stderr,
                             saved ? "varnel: saved a picture of the window to %s\n"
                                   : "varnel: could not write %s\n",
                             file.toLocal8Bit().constData());
            });
        }
        return false;
    }

private:
    QString file_;
    bool done_ = false;
};

}  // namespace

void watchForWindowGrab(QWidget &window) {
    const QString file = qEnvironmentVariable("VARNEL_GRAB_WINDOW");
    if (file.isEmpty()) return;
    window.installEventFilter(new GrabOnFirstShow(window, file));
}
