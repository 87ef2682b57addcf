#include "PanelBitmaps.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ControlLooks.h"
#include "Theme.h"

namespace skingen {
namespace {

QImage cropAt(const QImage &background, const Rect &rect) {
    return background.copy(rect.x, rect.y, rect.w, rect.h);
}

QRectF bounds(const QImage &image) {
    return QRectF(0, 0, image.width(), image.height());
}

void beginPainting(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// A chip that holds a glyph or symbol; `selected` lights it in the accent colour.
QImage chip(const QImage &base, bool selected,
            const std::function<void(QPainter &, const QRectF &, const QColor &)> &content) {
    QImage image = base.copy();
    QPainter p(&image);
    beginPainting(p);
    const QRectF body = bounds(image).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(selected ? theme::kAccent : theme::kButtonEdge, selected ? 1.6 : 1.0));
    p.setBrush(selected ? theme::kSelectedTop : theme::kButtonBottom);
    p.drawRoundedRect(body, 6, 6);
    content(p, body, selected ? QColor(Qt::white) : theme::kSubLegend);
    return image;
}

auto symbol(const QString &text, double size = 15) {
    return [text, size](QPainter &p, const QRectF &box, const QColor &colour) {
        p.setFont(theme::font(size, QFont::Bold));
        p.setPen(colour);
        p.drawText(box.adjusted(0, -1, 0, 0), Qt::AlignCenter, text);
    };
}

QImage lightingSwitch(const QImage &base, bool on) {
    QImage image = base.copy();
    QPainter p(&image);
    beginPainting(p);
    const QRectF track = bounds(image).adjusted(3, 4, -3, -4);
    const double r = track.height() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(on ? theme::kAccent.darker(120) : QColor(0x3a, 0x3f, 0x48));
    p.drawRoundedRect(track, r, r);
    const QPointF knob(on ? track.right() - r : track.left() + r, track.center().y());
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(knob + QPointF(0, 1), r - 2, r - 2);
    p.setBrush(on ? QColor(Qt::white) : QColor(0xa8, 0xaf, 0xb9));
    p.drawEllipse(knob, r - 2.5, r - 2.5);
    return image;
}

QImage multicolourCheck(const QImage &base, bool on) {
    QImage image = base.copy();
    QPainter p(&image);
    beginPainting(p);
    const QRectF box = bounds(image).adjusted(3, 3, -3, -3);
    if (on) {
        QConicalGradient rainbow(box.center(), 90);
        for (int i = 0; i <= 6; ++i)
            rainbow.setColorAt(i / 6.0, QColor::fromHsvF(std::fmod(i / 6.0, 1.0), 0.8, 1));
        p.setPen(Qt::NoPen);
        p.setBrush(rainbow);
        p.drawRoundedRect(box, 5, 5);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(box.left() + 5, box.center().y()),
                                  QPointF(box.center().x() - 1, box.bottom() - 5),
                                  QPointF(box.right() - 4, box.top() + 5)}));
    } else {
        p.setPen(QPen(theme::kButtonEdge.lighter(130), 1.4));
        p.setBrush(theme::kButtonBottom);
        p.drawRoundedRect(box, 5, 5);
    }
    return image;
}

QImage presetSwatch(const QImage &base, const QColor &colour, bool selected) {
    QImage image = base.copy();
    QPainter p(&image);
    beginPainting(p);
    const QRectF box = bounds(image).adjusted(3, 3, -3, -3);
    if (selected) {
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(-1.5, -1.5, 1.5, 1.5), 6, 6);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(box.adjusted(2, 2, -2, -2), 4, 4);
    if (selected) {
        p.setPen(QPen(QColor(0, 0, 0, 170), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QRectF c = box.adjusted(8, 6, -8, -6);
        p.drawPolyline(
            QPolygonF({QPointF(c.left(), c.center().y()), QPointF(c.center().x() - 1, c.bottom()),
                       QPointF(c.right(), c.top())}));
    }
    return image;
}

void brushGlyph(QPainter &p, const QRectF &box, const QColor &colour) {
    const QRectF g = QRectF(box.center().x() - 8, box.center().y() - 8, 16, 16);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(g.right(), g.top()), QPointF(g.left() + 6, g.bottom() - 6));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(g.left() + 4, g.bottom() - 4), 3.6, 3.6);
}

void bucketGlyph(QPainter &p, const QRectF &box, const QColor &colour) {
    const QRectF g = QRectF(box.center().x() - 8, box.center().y() - 7, 15, 15);
    QPainterPath bucket;
    bucket.moveTo(g.left() + 1, g.top() + 5);
    bucket.lineTo(g.left() + 8, g.top() - 1);
    bucket.lineTo(g.right() - 1, g.top() + 6);
    bucket.lineTo(g.left() + 7, g.bottom());
    bucket.closeSubpath();
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bucket);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(g.right() + 1, g.bottom() - 2), 2.2, 2.8);
}

QImage plusMinus(const QImage &base, Glyph glyph) {
    QImage image = base.copy();
    QPainter p(&image);
    beginPainting(p);
    paintGlyph(p, glyph, bounds(image).adjusted(4, 4, -4, -4), theme::kSubLegend);
    return image;
}

QImage slider(const QImage &base, double fraction, bool beyondRange) {
    QImage image = base.copy();
    QPainter p(&image);
    beginPainting(p);
    constexpr double kMargin = 10;  // the slider's margin
    const double y = image.height() / 2.0;
    const double left = kMargin, right = image.width() - kMargin;
    const double x = left + (right - left) * fraction;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x32, 0x37, 0x40));
    p.drawRoundedRect(QRectF(left, y - 2.5, right - left, 5), 2.5, 2.5);
    QLinearGradient fill(left, 0, right, 0);
    fill.setColorAt(0, theme::kAccent.darker(170));
    fill.setColorAt(1, beyondRange ? QColor(0xff, 0x9f, 0x1a) : theme::kAccent);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(left, y - 2.5, x - left, 5), 2.5, 2.5);
    for (int tick = 0; tick <= 4; ++tick) {
        const double tx = left + (right - left) * tick / 4.0;
        p.setBrush(tx <= x ? QColor(255, 255, 255, 120) : QColor(0x55, 0x5c, 0x67));
        p.drawEllipse(QPointF(tx, y), 1.3, 1.3);
    }
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(QPointF(x, y + 1), 8, 8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x, y), 7.5, 7.5);
    p.setBrush(beyondRange ? QColor(0xff, 0x9f, 0x1a) : theme::kAccent);
    p.drawEllipse(QPointF(x, y), 3.2, 3.2);
    return image;
}

// A ring of one dot per frame; the lit dot steps round with the frame and
// leaves a fading trail behind it.
QImage busyFrame(const QImage &base, int frame, int frames) {
    QImage image = base.copy();
    QPainter p(&image);
    beginPainting(p);
    const int dots = frames;
    const QPointF centre = bounds(image).center();
    const double radius = std::min(image.width(), image.height()) / 2.0 - 4;
    const int head = frame;
    p.setPen(Qt::NoPen);
    for (int dot = 0; dot < dots; ++dot) {
        const int age = (head - dot + dots) % dots;  // 0 for the lit dot
        const double angle = 2 * M_PI * dot / dots - M_PI / 2;
        QColor colour = age < 5 ? theme::kAccent : QColor(0x3a, 0x3f, 0x48);
        if (age < 5) colour.setAlpha(255 - age * 45);
        p.setBrush(colour);
        p.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius, 2.3, 2.3);
    }
    return image;
}

}  // namespace

std::vector<NamedPicture> lightingPanelPictures(const WindowLayout &main,
                                                const QImage &background) {
    auto base = [&](const char *key) { return cropAt(background, rectOf(main, key)); };
    const QImage direction = base("CONTROL_BLFXLStaPic");
    const QImage check = base("CONTROL_HXsjsStaPic");
    const QImage swatch = base("CONTROL_HONGPIC");
    const QImage brush = base("CONTROL_USERgjStaPic1");
    std::vector<NamedPicture> out = {
        {"dengup.bmp", lightingSwitch(base("CONTROL_DengStaPic"), false)},
        {"dengdown.bmp", lightingSwitch(base("CONTROL_DengStaPic"), true)},
        {"leftup.bmp", chip(direction, false, symbol("\u2190"))},
        {"leftdown.bmp", chip(direction, true, symbol("\u2190"))},
        {"rightup.bmp", chip(direction, false, symbol("\u2192"))},
        {"rightdown.bmp", chip(direction, true, symbol("\u2192"))},
        {"upup.bmp", chip(direction, false, symbol("\u2191"))},
        {"updown.bmp", chip(direction, true, symbol("\u2191"))},
        {"downup.bmp", chip(direction, false, symbol("\u2193"))},
        {"downdown.bmp", chip(direction, true, symbol("\u2193"))},
        {"kuosan.bmp", chip(direction, false, symbol("\u2190\u2192", 13))},
        {"kuosandown.bmp", chip(direction, true, symbol("\u2190\u2192", 13))},
        {"julong.bmp", chip(direction, false, symbol("\u2192\u2190", 13))},
        {"julongdown.bmp", chip(direction, true, symbol("\u2192\u2190", 13))},
        {"sjsup.bmp", multicolourCheck(check, false)},
        {"sjsdown.bmp", multicolourCheck(check, true)},
        {"user1up.bmp", chip(brush, false, brushGlyph)},
        {"user1down.bmp", chip(brush, true, brushGlyph)},
        {"user2up.bmp", chip(brush, false, bucketGlyph)},
        {"user2down.bmp", chip(brush, true, bucketGlyph)},
        {"add.bmp", plusMinus(base("CONTROL_Add"), Glyph::Plus)},
        {"sub.bmp", plusMinus(base("CONTROL_Sub"), Glyph::Minus)},
    };
    const struct {
        const char *name;
        QColor colour;
    } presets[] = {{"hong", QColor(0xf0, 0x2e, 0x3c)},
                   {"huang", QColor(0xff, 0xd2, 0x1f)},
                   {"lv", QColor(0x2e, 0xd1, 0x5a)},
                   {"lan", QColor(0x2f, 0x7b, 0xff)}};
    for (const auto &preset : presets) {
        out.push_back({QString(preset.name) + ".bmp", presetSwatch(swatch, preset.colour, false)});
        out.push_back({QString(preset.name) + "ok.bmp", presetSwatch(swatch, preset.colour, true)});
    }
    return out;
}

std::vector<NamedPicture> sliderPictures(const WindowLayout &main, const QImage &background) {
    // 0..4: brightness levels; 5..9: speed slider positions 0..4; above: values
    // read back beyond the slider's range, shown full and in a warning colour.
    const QImage base = cropAt(background, rectOf(main, "CONTROL_LightSlider"));
    std::vector<NamedPicture> out;
    for (int n = 0; n <= 25; ++n) {
        const double fraction = n <= 4 ? n / 4.0 : n <= 9 ? (n - 5) / 4.0 : 1.0;
        out.push_back({QStringLiteral("%1.bmp").arg(n), slider(base, fraction, n > 9)});
    }
    return out;
}

std::vector<NamedPicture> busyFrames(const WindowLayout &main, const QImage &background) {
    const QImage base = cropAt(background, rectOf(main, "CONTROL_JDTStatic"));
    std::vector<NamedPicture> out;
    for (int frame = 1; frame <= 10; ++frame)
        out.push_back({QStringLiteral("jdt%1.bmp").arg(frame), busyFrame(base, frame - 1, 10)});
    return out;
}

QImage arrowPicture(const WindowLayout &main, const QImage &background) {
    QImage image(arrowPictureSize(), QImage::Format_RGB32);
    QPainter p(&image);
    beginPainting(p);
    // Every cell shows the bezel behind the arrow buttons; the buttons read a
    // cell one pixel up and left of its rectangle.
    const Rect behind = rectOf(main, "LEFT_ARROW");
    const QImage bezel = background.copy(behind.x - 1, behind.y - 1, image.width(), image.height());
    p.drawImage(0, 0, bezel.scaled(image.size()));
    for (const ArrowCell &cell : arrowCells()) {
        const QRectF box(cell.rect.x - 1, cell.rect.y - 1, cell.rect.w, cell.rect.h);
        const double cx = box.center().x(), cy = box.center().y();
        const double dy = cell.pointsUp ? -3 : 3;
        p.setPen(QPen(theme::kAccent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(cx - 4, cy - dy / 1.5),
                                  QPointF(cx, cy + dy / 1.5 + (cell.pointsUp ? -1 : 1)),
                                  QPointF(cx + 4, cy - dy / 1.5)}));
    }
    return image;
}

}  // namespace skingen
