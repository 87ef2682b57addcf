// The buttons of a skinned window that show a frame (the lighting preview on the
// keys), drawn by the window in one pass. A preview tick reframes about a hundred
// keys; as widgets of their own each would cost a paint event of its own, so a
// framed button is hidden while the window draws its frame and caption over its
// background, and a click at the button's place is passed on to the button.
// When every place a repaint asks for holds only frames that changed colour,
// the window redraws just those frames: the key inside a frame and the gaps
// between keys are the same picture as before.
#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <vector>

class CPngButton;
class QImage;
class QPainter;
class QWidget;

namespace skin {

class FramedButtons {
public:
    explicit FramedButtons(QWidget &window) : window_(window) {}

    // Starts or ends drawing `button` on the window, or gives a drawn button's
    // frame its new colour; what changed is repainted.
    void setFramed(CPngButton &button, bool framed);
    bool isFramed(const CPngButton &button) const;
    // Draws every framed button that meets `region`.
    void paint(QPainter &painter, const QRegion &region) const;
    // Called by every paint of the window: whether `region` is exactly what was
    // asked for since the last paint, all of it on behalf of frames that only
    // changed colour.
    bool onlyRecoloured(const QRegion &region);
    // Whether the insides of the framed buttons in `region` of the window's
    // picture `kept` still hold what the last paint left there: some platforms
    // clear a picture with an alpha channel before each paint (transparent).
    bool insidesKept(const QImage &kept, const QRegion &region) const;
    // Draws the frames in `region` again straight into the window's kept
    // picture `kept`, where all else is already in place, and returns the framed
    // buttons there it could not: those with a caption, which would be drawn
    // twice over, and those of a see-through colour. paintWhole draws them.
    QList<const CPngButton *> paintRecoloured(QImage &kept, const QRegion &region) const;
    // Draws a framed button whole: its place of `background`, frame and caption.
    static void paintWhole(QPainter &painter, const CPngButton &button, const QImage &background);
    // The framed button at a point of the window, if any.
    CPngButton *buttonAt(QPoint position) const;

private:
    static void paintButton(QPainter &painter, const CPngButton &button);
    // Asks for a repaint of `place` together with every other place asked for
    // before the event loop next runs.
    void repaintLater(const QRect &place, bool recolouredOnly);
    void repaintPending();

    QWidget &window_;
    std::vector<QRect> pending_;
    bool pendingRecolouredOnly_ = true;
    // Asked for since the last paint: places of recoloured frames, and whether
    // anything else was.
    QRegion recolouredRegion_;
    bool otherAsked_ = false;
    // The framed buttons by address, for a quick look-up on every recolour; an
    // entry whose button is gone reads as not framed.
    QHash<const CPngButton *, QPointer<CPngButton>> buttons_;
};

}  // namespace skin
