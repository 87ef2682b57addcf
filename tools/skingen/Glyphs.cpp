// Line glyphs of the icon buttons, drawn in a square box with round caps.
#include <QPainterPath>

#include "ControlLooks.h"

namespace skingen {
namespace {

QPointF at(const QRectF &box, double fx, double fy) {
    return {box.left() + fx * box.width(), box.top() + fy * box.height()};
}

void line(QPainter &p, const QRectF &box, double x1, double y1, double x2, double y2) {
    p.drawLine(at(box, x1, y1), at(box, x2, y2));
}

void help(QPainter &p, const QRectF &box) {
    QPainterPath hook;
    hook.moveTo(at(box, 0.28, 0.32));
    hook.cubicTo(at(box, 0.28, 0.0), at(box, 0.74, 0.0), at(box, 0.72, 0.3));
    hook.cubicTo(at(box, 0.70, 0.5), at(box, 0.5, 0.48), at(box, 0.5, 0.68));
    p.drawPath(hook);
    p.drawPoint(at(box, 0.5, 0.92));
}

void globe(QPainter &p, const QRectF &box) {
    p.drawEllipse(box);
    p.drawEllipse(QRectF(at(box, 0.3, 0), at(box, 0.7, 1)));
    line(p, box, 0, 0.5, 1, 0.5);
}

void share(QPainter &p, const QRectF &box) {
    const QPointF a = at(box, 0.2, 0.5), b = at(box, 0.8, 0.18), c = at(box, 0.8, 0.82);
    p.drawLine(a, b);
    p.drawLine(a, c);
    for (const QPointF &dot : {a, b, c}) p.drawEllipse(dot, box.width() * 0.1, box.width() * 0.1);
}

void chat(QPainter &p, const QRectF &box) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(at(box, 0, 0.08), at(box, 1, 0.72)), box.width() * 0.18,
                          box.width() * 0.18);
    p.drawPath(bubble);
    line(p, box, 0.3, 0.72, 0.22, 0.95);
    line(p, box, 0.22, 0.95, 0.5, 0.72);
}

void keyboard(QPainter &p, const QRectF &box) {
    p.drawRoundedRect(QRectF(at(box, 0, 0.2), at(box, 1, 0.82)), 2, 2);
    for (double x : {0.2, 0.4, 0.6, 0.8}) p.drawPoint(at(box, x, 0.4));
    for (double x : {0.25, 0.45, 0.65}) p.drawPoint(at(box, x, 0.55));
    line(p, box, 0.3, 0.7, 0.7, 0.7);
}

void eraser(QPainter &p, const QRectF &box) {
    QPainterPath body;
    body.moveTo(at(box, 0.1, 0.62));
    body.lineTo(at(box, 0.55, 0.12));
    body.lineTo(at(box, 0.92, 0.46));
    body.lineTo(at(box, 0.5, 0.9));
    body.lineTo(at(box, 0.3, 0.9));
    body.closeSubpath();
    p.drawPath(body);
    line(p, box, 0.32, 0.4, 0.7, 0.76);
    line(p, box, 0.5, 0.9, 0.95, 0.9);
}

void folder(QPainter &p, const QRectF &box) {
    QPainterPath outline;
    outline.moveTo(at(box, 0.05, 0.2));
    outline.lineTo(at(box, 0.38, 0.2));
    outline.lineTo(at(box, 0.48, 0.32));
    outline.lineTo(at(box, 0.95, 0.32));
    outline.lineTo(at(box, 0.95, 0.85));
    outline.lineTo(at(box, 0.05, 0.85));
    outline.closeSubpath();
    p.drawPath(outline);
}

}  // namespace

void paintGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(
        QPen(colour, std::max(1.6, box.width() / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
        case Glyph::Close:
            line(p, box, 0.15, 0.15, 0.85, 0.85);
            line(p, box, 0.85, 0.15, 0.15, 0.85);
            break;
        case Glyph::Minimize:
            line(p, box, 0.15, 0.6, 0.85, 0.6);
            break;
        case Glyph::Menu:
            for (double y : {0.25, 0.5, 0.75}) line(p, box, 0.12, y, 0.88, y);
            break;
        case Glyph::Plus:
            line(p, box, 0.5, 0.15, 0.5, 0.85);
            [[fallthrough]];
        case Glyph::Minus:
            line(p, box, 0.15, 0.5, 0.85, 0.5);
            break;
        case Glyph::Help:
            help(p, box);
            break;
        case Glyph::Globe:
            globe(p, box);
            break;
        case Glyph::Share:
            share(p, box);
            break;
        case Glyph::Chat:
            chat(p, box);
            break;
        case Glyph::Keyboard:
            keyboard(p, box);
            break;
        case Glyph::Eraser:
            eraser(p, box);
            break;
        case Glyph::Folder:
            folder(p, box);
            break;
        case Glyph::RecordDot:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xe5, 0x3b, 0x4f));
            p.drawEllipse(box.adjusted(box.width() * 0.2, box.height() * 0.2, -box.width() * 0.2,
                                       -box.height() * 0.2));
            break;
        case Glyph::None:
            break;
    }
    p.restore();
}

}  // namespace skingen
