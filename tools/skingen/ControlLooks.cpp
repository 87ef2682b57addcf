#include "ControlLooks.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "Theme.h"

namespace skingen {
namespace {

QRectF inset(const QRectF &box, double by) {
    return box.adjusted(by, by, -by, -by);
}

void fillRounded(QPainter &p, const QRectF &box, double radius, const QColor &top,
                 const QColor &bottom) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(box, radius, radius);
}

void strokeRounded(QPainter &p, const QRectF &box, double radius, const QColor &colour,
                   double width) {
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    const double half = width / 2;
    p.drawRoundedRect(box.adjusted(half, half, -half, -half), radius, radius);
}

// A soft halo around a box, drawn as widening translucent outlines.
void glow(QPainter &p, const QRectF &box, double radius, QColor colour, int rings) {
    for (int ring = rings; ring >= 1; --ring) {
        colour.setAlpha(18 + 10 * (rings - ring));
        strokeRounded(p, box.adjusted(-ring, -ring, ring, ring), radius + ring, colour, 1.2);
    }
}

// A lit legend colour along the rainbow, kept light enough that deep blue and
// violet legends stay readable on a dark key.
QColor rainbowAt(double position) {
    return QColor::fromHslF(std::fmod(position, 1.0), 0.95, 0.68);
}

double legendPixelSize(const QString &legend) {
    if (legend.size() <= 1) return 15;
    if (legend.size() <= 3) return 11.5;
    return 10.5;
}

struct KeyColours {
    QColor top, bottom, edge, legend, subLegend;
    double pressDepth = 0;
};

KeyColours keyColours(State state, const Rect &rect) {
    using namespace theme;
    switch (state) {
        case State::Over:
            // Neutral: lighter and outlined in white, never in the accent that marks
            // an assigned key.
            return {kKeyHoverTop, kKeyHoverBottom, kHoverEdge, QColor(Qt::white), kLegend};
        case State::Down:
            return {kKeyDown, kKeyDown, kAccent, kAccent, kAccent.darker(130), 1.5};
        case State::Disable:
            return {kKeyAssignedTop, kKeyAssignedBottom, kAccent, QColor(0xc8, 0xf2, 0xff),
                    QColor(0x7f, 0xd8, 0xf5)};
        case State::Color0: {
            const QColor lit = rainbowAt((rect.x + rect.w / 2) / 1150.0);
            return {kKeyFaceTop, kKeyFaceBottom, lit.darker(160), lit, lit.darker(130)};
        }
        case State::Color1:
            return {kKeyFaceTop, kKeyFaceBottom, QColor(0x8a, 0x93, 0xa0), QColor(Qt::white),
                    QColor(0xd0, 0xd6, 0xde)};
        case State::Normal:
            break;
    }
    return {kKeyFaceTop, kKeyFaceBottom, kKeySide, kLegend, kSubLegend};
}

void paintKeyLegends(QPainter &p, const ImageButton &key, const QRectF &face, const KeyColours &c) {
    const bool stacked = !key.subLegend.isEmpty();
    if (stacked) {
        p.setFont(theme::font(key.subLegend.size() > 1 ? 9 : 12));
        p.setPen(c.subLegend);
        p.drawText(face.adjusted(0, 3, 0, -face.height() / 2 + 2), Qt::AlignCenter, key.subLegend);
        p.setFont(theme::font(key.legend.size() > 1 ? 10.5 : 14, QFont::DemiBold));
        p.setPen(c.legend);
        p.drawText(face.adjusted(0, face.height() / 2 - 3, 0, -2), Qt::AlignCenter, key.legend);
        return;
    }
    p.setFont(theme::font(legendPixelSize(key.legend), QFont::DemiBold));
    p.setPen(c.legend);
    p.drawText(face, Qt::AlignCenter, key.legend);
}

// A key: a dark cap with a lighter top face, two pixels of margin so the
// one-pixel picture offset never shows a seam.
void paintKeycap(QPainter &p, const ImageButton &key, const Rect &rect, State state) {
    const KeyColours c = keyColours(state, rect);
    const QRectF cell = toRectF(rect);
    const QRectF body = inset(cell, 3);
    if (state == State::Color0 || state == State::Color1) glow(p, body, 6, c.legend, 3);
    if (state == State::Over) glow(p, body, 6, theme::kHoverEdge, 2);
    fillRounded(p, body, 6, theme::kKeySide, theme::kKeySide.darker(130));
    const QRectF face = body.adjusted(2, 1.5 + c.pressDepth, -2, -4 + c.pressDepth);
    fillRounded(p, face, 5, c.top, c.bottom);
    // A faint highlight along the face's top edge, as light catches a keycap.
    p.setPen(QPen(QColor(255, 255, 255, state == State::Down ? 10 : 28), 1));
    p.drawLine(QPointF(face.left() + 5, face.top() + 1.5),
               QPointF(face.right() - 5, face.top() + 1.5));
    strokeRounded(p, face, 5, c.edge, state == State::Normal ? 1.0 : 1.4);
    if (state == State::Disable) {
        // The assigned mark: a lit bar along the bottom of the face, on a face
        // tinted in the accent colour.
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kAccent);
        p.drawRoundedRect(QRectF(face.left() + 5, face.bottom() - 4, face.width() - 10, 2.5), 1.2,
                          1.2);
    }
    paintKeyLegends(p, key, face, c);
}

struct PlateColours {
    QColor top, bottom, edge, text;
};

PlateColours plateColours(const ImageButton &button, State state) {
    using namespace theme;
    const bool selectable = button.look == Look::ToggleChip;
    switch (state) {
        case State::Over:
            return {kKeyHoverTop, kKeyHoverBottom, kAccent, QColor(Qt::white)};
        case State::Down:
            return {kKeyDown, kKeyDown, kAccent, kAccent};
        case State::Disable:
            if (selectable) return {kSelectedTop, kSelectedBottom, kAccent, QColor(Qt::white)};
            return {QColor(0x1f, 0x22, 0x28), QColor(0x1b, 0x1e, 0x23), QColor(0x2a, 0x2e, 0x35),
                    kDimText};
        default:
            return {kButtonTop, kButtonBottom, kButtonEdge, kLegend};
    }
}

void paintPlate(QPainter &p, const ImageButton &button, const Rect &rect, State state) {
    const PlateColours c = plateColours(button, state);
    const QRectF body = inset(toRectF(rect), 2);
    if (state == State::Over) glow(p, body, 7, theme::kAccent, 2);
    fillRounded(p, body, 7, c.top, c.bottom);
    strokeRounded(p, body, 7, c.edge, state == State::Normal ? 1.0 : 1.4);
    if (button.look == Look::ToggleChip && state == State::Disable) {
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kAccent);
        p.drawRoundedRect(QRectF(body.left() + 10, body.bottom() - 4, body.width() - 20, 2), 1, 1);
    }
    QRectF textBox = body;
    if (button.glyph != Glyph::None) {
        paintGlyph(p, button.glyph, QRectF(body.left() + 8, body.center().y() - 8, 16, 16), c.text);
        textBox.adjust(18, 0, 0, 0);
    }
    if (!button.legend.isEmpty()) {
        p.setFont(theme::font(12.5, QFont::DemiBold));
        p.setPen(c.text);
        p.drawText(textBox, Qt::AlignCenter, button.legend);
    }
}

void paintIconButton(QPainter &p, const ImageButton &button, const Rect &rect, State state) {
    const QRectF body = inset(toRectF(rect), 2);
    QColor glyphColour = theme::kSubLegend;
    if (state == State::Over) {
        const QColor fill =
            button.glyph == Glyph::Close ? theme::kDanger : QColor(0x34, 0x39, 0x42);
        fillRounded(p, body, 6, fill.lighter(108), fill);
        glyphColour = Qt::white;
    } else if (state == State::Down) {
        fillRounded(p, body, 6, theme::kKeyDown, theme::kKeyDown);
        strokeRounded(p, body, 6, theme::kAccent, 1.2);
        glyphColour = theme::kAccent;
    } else if (state == State::Disable) {
        glyphColour = theme::kDimText;
    }
    const double side = std::min(body.width(), body.height()) * 0.56;
    paintGlyph(p, button.glyph,
               QRectF(body.center().x() - side / 2, body.center().y() - side / 2, side, side),
               glyphColour);
}

void paintTab(QPainter &p, const ImageButton &button, const Rect &rect, State state) {
    const QRectF body = inset(toRectF(rect), 2);
    using namespace theme;
    switch (state) {
        case State::Over:
            fillRounded(p, body, 6, kKeyHoverTop, kKeyHoverBottom);
            break;
        case State::Down:
            fillRounded(p, body, 6, kSelectedTop, kSelectedBottom);
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(body.left() + 8, body.bottom() - 3, body.width() - 16, 3), 1.5,
                              1.5);
            break;
        case State::Disable:
            fillRounded(p, body, 6, QColor(0x1b, 0x1e, 0x23), QColor(0x1b, 0x1e, 0x23));
            break;
        default:
            fillRounded(p, body, 6, kButtonTop, kButtonBottom);
            strokeRounded(p, body, 6, kButtonEdge, 1.0);
            break;
    }
    (void)button;
}

void paintLight(QPainter &p, const QPointF &centre, bool lit) {
    p.setPen(Qt::NoPen);
    if (lit) {
        QColor halo = theme::kAccent;
        halo.setAlpha(70);
        p.setBrush(halo);
        p.drawEllipse(centre, 5.5, 5.5);
    }
    p.setBrush(lit ? theme::kAccent : QColor(0x2a, 0x2e, 0x35));
    p.drawEllipse(centre, 3.2, 3.2);
}

void paintIndicator(QPainter &p, const ImageButton &button, const Rect &rect, State state) {
    const QRectF box = toRectF(rect);
    const bool lit = state == State::Over;
    paintLight(p, QPointF(box.center().x(), box.top() + 8), lit);
    p.setFont(theme::font(9, QFont::DemiBold));
    p.setPen(lit ? theme::kLegend : theme::kMutedText);
    p.drawText(box.adjusted(0, 14, 0, 0), Qt::AlignHCenter | Qt::AlignTop, button.legend);
}

// The bank light: the normal picture shows bank A lit, the over picture bank B.
void paintBankIndicator(QPainter &p, const Rect &rect, State state) {
    const QRectF box = toRectF(rect);
    const bool bankB = state == State::Over;
    const double third = box.width() / 4;
    paintLight(p, QPointF(box.left() + third * 1.3, box.top() + 8), !bankB);
    paintLight(p, QPointF(box.right() - third * 1.3, box.top() + 8), bankB);
    p.setFont(theme::font(9, QFont::DemiBold));
    p.setPen(!bankB ? theme::kLegend : theme::kMutedText);
    p.drawText(QRectF(box.left(), box.top() + 14, box.width() / 2, 14),
               Qt::AlignRight | Qt::AlignTop, "A ");
    p.setPen(bankB ? theme::kLegend : theme::kMutedText);
    p.drawText(QRectF(box.center().x(), box.top() + 14, box.width() / 2, 14),
               Qt::AlignLeft | Qt::AlignTop, " B");
}

void paintFlipPlate(QPainter &p, const ImageButton &button, const Rect &rect) {
    const QRectF body = inset(toRectF(rect), 2);
    fillRounded(p, body, 5, QColor(0x16, 0x18, 0x1d), QColor(0x13, 0x15, 0x19));
    strokeRounded(p, body, 5, theme::kPlateEdge, 1.0);
    p.setFont(theme::font(10, QFont::DemiBold));
    p.setPen(theme::kMutedText);
    p.drawText(body, Qt::AlignCenter, button.legend);
}

void paintFlipToggle(QPainter &p, const ImageButton &button, const Rect &rect, State state) {
    const QRectF body = inset(toRectF(rect), 2);
    QColor text = theme::kSubLegend;
    if (state == State::Over) {
        fillRounded(p, body, 5, theme::kKeyHoverTop, theme::kKeyHoverBottom);
        strokeRounded(p, body, 5, theme::kAccent, 1.2);
        text = Qt::white;
    } else if (state == State::Down) {
        fillRounded(p, body, 5, theme::kKeyDown, theme::kKeyDown);
        strokeRounded(p, body, 5, theme::kAccent, 1.2);
        text = theme::kAccent;
    } else {
        fillRounded(p, body, 5, theme::kButtonTop, theme::kButtonBottom);
        strokeRounded(p, body, 5, theme::kButtonEdge, 1.0);
    }
    p.setFont(theme::font(16, QFont::Bold));
    p.setPen(text);
    p.drawText(body.adjusted(0, -2, 0, 0), Qt::AlignCenter, button.legend);
}

void paintLogo(QPainter &p, const ImageButton &button, const Rect &rect, State state) {
    const QRectF box = toRectF(rect);
    QFont f = theme::font(22, QFont::Black);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(state == State::Over || state == State::Down ? theme::kAccent : QColor(Qt::white));
    p.drawText(box.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, button.legend);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kAccent);
    p.drawRect(QRectF(box.left() + 6, box.bottom() - 4, 26, 2.5));
}

}  // namespace

QRectF toRectF(const Rect &rect) {
    return QRectF(rect.x, rect.y, rect.w, rect.h);
}

void paintButton(QPainter &painter, const ImageButton &button, const Rect &rect, State state) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool lit = state == State::Color0 || state == State::Color1;
    switch (button.look) {
        case Look::Keycap:
            paintKeycap(painter, button, rect, state);
            break;
        case Look::Plate:
        case Look::ToggleChip:
        case Look::LabelButton:
            paintPlate(painter, button, rect, lit ? State::Normal : state);
            break;
        case Look::IconButton:
            paintIconButton(painter, button, rect, lit ? State::Normal : state);
            break;
        case Look::Tab:
            paintTab(painter, button, rect, lit ? State::Normal : state);
            break;
        case Look::Indicator:
            paintIndicator(painter, button, rect, state);
            break;
        case Look::BankIndicator:
            paintBankIndicator(painter, rect, state);
            break;
        case Look::FlipPlate:
            paintFlipPlate(painter, button, rect);
            break;
        case Look::FlipToggle:
            paintFlipToggle(painter, button, rect, lit ? State::Normal : state);
            break;
        case Look::Logo:
            paintLogo(painter, button, rect, state);
            break;
        case Look::Transparent:
            break;
    }
    painter.restore();
}

}  // namespace skingen
