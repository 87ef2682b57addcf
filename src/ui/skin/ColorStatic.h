// A transparent label of the skinned windows: its text in a chosen colour (white
// by default) over the window's background picture.
#pragma once

#include <QColor>
#include <QLabel>

class ColorStatic : public QLabel {
    Q_OBJECT

public:
    explicit ColorStatic(int controlId, QWidget *parent = nullptr);

    int controlId() const { return controlId_; }
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor &color);
    // The character height in pixels.
    void setFontHeight(int pixels);

private:
    int controlId_;
    QColor textColor_{Qt::white};
};
