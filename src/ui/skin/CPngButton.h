// The owner-drawn image button of the skinned windows. It shows the part of one
// of five whole-window state pictures (normal, over, down, disabled, selected)
// under its own rectangle, starting one pixel up and left of its skin position; a
// check mode with two pictures overrides all but the disabled look; it can draw a
// caption (also rotated), a coloured frame instead of the picture, and a tooltip.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPoint>
#include <array>
#include <functional>

#include "ui/skin/CaptionStyle.h"
#include "ui/skin/StatePicture.h"

class CPngButton : public QAbstractButton {
    Q_OBJECT

public:
    // Which picture the button draws now, first match wins in this order.
    enum class Look { Disabled, CheckOn, CheckOff, Down, Over, Selected, Normal };

    // Runs after every draw with the button and whether the normal picture was shown.
    using AfterDraw = std::function<void(CPngButton &button, bool normalShown)>;

    explicit CPngButton(int controlId, QWidget *parent = nullptr);

    int controlId() const { return controlId_; }

    // Stores the picture offset (the skin position) and the five pictures, clears
    // hover, tracking and pressed, and draws.
    void setPictures(int x, int y, const skin::ButtonPictures &pictures, bool redraw = true);
    // The same without changing the offset.
    void setPictures(const skin::ButtonPictures &pictures, bool redraw = true);
    void setCheckMode(const skin::StatePicture &off, const skin::StatePicture &on, bool checkMode,
                      bool onFlag, bool redraw = true);
    void setSelected(bool selected, bool redraw = true);
    void setCaptionStyle(const skin::CaptionStyle &style);
    void setCaptionMargins(const skin::CaptionMargins &margins);
    // Escapement in tenths of a degree, counter-clockwise; rotated captions are heavy.
    void setRotatedCaption(int escapement, bool rotated);
    // Frame mode draws a 2-pixel rectangle in `color` instead of the picture. The
    // percentage is kept, clamped to 0..100.
    void setFrame(const QColor &color, int percentage, bool on);
    // Sets the tooltip text (empty texts are ignored) and whether it shows.
    void setToolTipText(const QString &text, bool active = true);
    // Removes the tooltip from the screen; hovering shows the stored text again.
    void deleteToolTip();
    void setAfterDraw(AfterDraw callback);
    // A disabled button drawn under a dark veil, for keys whose disabled picture
    // is their normal one but whose being disabled the user must see.
    void setDimmedWhenDisabled(bool dimmed);
    // Draws the frame and the caption, in the button's own coordinates.
    void paintFrame(QPainter &painter) const;
    // The caption alone as paintFrame draws it; nothing for a button without one.
    void paintFrameCaption(QPainter &painter) const;
    bool drawsCaption() const { return caption_.drawCaption; }
    // The four edge bands of `area` that a frame covers.
    static std::array<QRect, 4> frameBands(const QRect &area);

    Look currentLook() const;
    skin::StatePicture pictureOf(Look look) const;
    QPoint pictureOffset() const { return offset_; }
    const skin::ButtonPictures &pictures() const { return pictures_; }
    bool isSelected() const { return selected_; }
    bool isHovered() const { return hover_; }
    bool isFrameMode() const { return frameOn_; }
    QColor frameColor() const { return frameColor_; }
    int framePercentage() const { return framePercentage_; }
    const QString &toolTipText() const { return toolTipText_; }
    const skin::CaptionStyle &captionStyle() const { return caption_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void clearTransientStates();
    void redrawIf(bool redraw);
    QColor captionColorOf(Look look) const;
    void drawPicture(QPainter &painter, const skin::StatePicture &picture) const;
    void drawFrame(QPainter &painter) const;
    void drawCaption(QPainter &painter, const QColor &color) const;
    void applyToolTip();

    int controlId_;
    skin::ButtonPictures pictures_;
    skin::StatePicture checkOffPicture_;
    skin::StatePicture checkOnPicture_;
    bool checkMode_ = false;
    bool checkOn_ = false;
    bool hover_ = false;
    bool selected_ = false;
    QPoint offset_;
    skin::CaptionStyle caption_;
    skin::CaptionMargins margins_;
    int escapement_ = 0;
    bool rotated_ = false;
    AfterDraw afterDraw_;
    QString toolTipText_;
    bool dimmedWhenDisabled_ = false;
    bool toolTipActive_ = false;
    bool frameOn_ = false;
    QColor frameColor_;
    int framePercentage_ = 0;
};
