// The colour button of the lighting panel: a swatch of its colour and a drop-down
// part; a click opens a pop-up of colours with an "other" entry that opens the
// colour dialog.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPointer>

namespace skin {
class ColorPopup;
}

class CSkinColorBtn : public QAbstractButton {
    Q_OBJECT

public:
    explicit CSkinColorBtn(int controlId, QWidget *parent = nullptr);

    int controlId() const { return controlId_; }
    // An invalid colour means none is chosen; the automatic colour shows instead.
    QColor color() const { return color_; }
    void setColor(const QColor &color);
    QColor automaticColor() const { return automaticColor_; }
    void setAutomaticColor(const QColor &color);

    // Opens the pop-up under the button; it closes itself after a choice.
    skin::ColorPopup *showColorPopup();
    skin::ColorPopup *popup() const { return popup_; }

    // The parts of the face, in widget coordinates.
    QRect swatchRect() const;
    QRect dropDownRect() const;

signals:
    // The user chose a colour, from the pop-up or the colour dialog.
    void colorChosen(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void choose(const QColor &color);
    void chooseOther();
    void drawSwatch(QPainter &painter) const;
    void drawDropDown(QPainter &painter) const;

    int controlId_;
    QColor color_;
    QColor automaticColor_;
    QPointer<skin::ColorPopup> popup_;
};
