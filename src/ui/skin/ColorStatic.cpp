#include "ui/skin/ColorStatic.h"

ColorStatic::ColorStatic(int controlId, QWidget *parent) : QLabel(parent), controlId_(controlId) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextColor(textColor_);
}

void ColorStatic::setTextColor(const QColor &color) {
    textColor_ = color;
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    colors.setColor(QPalette::Text, color);
    setPalette(colors);
    repaint();
}

void ColorStatic::setFontHeight(int pixels) {
    if (pixels <= 0) return;
    QFont characters = font();
    characters.setPixelSize(pixels);
    setFont(characters);
    repaint();
}
