// A slider drawn from one picture of the whole slider, which its owner swaps as
// the value changes. The position runs over a small range; while the user drags
// (or steps it with the arrow keys) each new position is sent to the window as
// the slider message with the control id and the position.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>

class CBaseDialog;

class CBitmapSlider : public QWidget {
    Q_OBJECT

public:
    CBitmapSlider(int controlId, CBaseDialog &window, QWidget *parent);

    int controlId() const { return controlId_; }
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Pixels left free at each end of the track.
    void setMargin(int pixels);
    int margin() const { return margin_; }

    // Moves the thumb without sending anything; kept within the range.
    void setPosition(int position);
    int position() const { return position_; }
    // Replaces the whole slider picture and redraws.
    void setBitmap(const QPixmap &picture);
    const QPixmap &bitmap() const { return bitmap_; }

    // The position a point at `x` (widget coordinates) stands for.
    int positionAt(int x) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void moveByUser(int position);
    void drawPlainTrack(class QPainter &painter) const;

    int controlId_;
    CBaseDialog &window_;
    int minimum_ = 0;
    int maximum_ = 4;
    int margin_ = 10;
    int position_ = 0;
    bool dragging_ = false;
    QPixmap bitmap_;
};
