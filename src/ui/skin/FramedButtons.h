// The buttons of a skinned window that show a frame (the lighting preview on the
// keys), drawn by the window in one pass. A preview tick reframes about a hundred
// keys; as widgets of their own each would cost a paint event of its own, so a
// framed button is hidden while the window draws its frame and caption over its
// background, and a click at the button's place is passed on to the button.
#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>

class CPngButton;
class QPainter;
class QRegion;
class QWidget;

namespace skin {

class FramedButtons {
public:
    explicit FramedButtons(QWidget &window) : window_(window) {}

    // Starts or ends drawing `button` on the window; either way its place is
    // repainted.
    void setFramed(CPngButton &button, bool framed);
    bool isFramed(const CPngButton &button) const;
    // Draws every framed button that meets `region`.
    void paint(QPainter &painter, const QRegion &region) const;
    // The framed button at a point of the window, if any.
    CPngButton *buttonAt(QPoint position) const;

private:
    // Asks for a repaint of `place` together with every other place asked for
    // before the event loop next runs.
    void repaintLater(const QRect &place);
    void repaintPending();

    QWidget &window_;
    QList<QRect> pendingRuns_;
    QList<QPointer<CPngButton>> buttons_;
};

}  // namespace skin
