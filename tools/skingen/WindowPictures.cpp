#include "WindowPictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Theme.h"

namespace skingen {
namespace {

constexpr double kWindowRadius = 12;

QPainterPath windowOutline(const QSize &size) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), kWindowRadius,
                        kWindowRadius);
    return path;
}

void paintWindowBody(QPainter &p, const QSize &size, int captionHeight) {
    p.fillRect(QRect(QPoint(0, 0), size), theme::kWindowBottom);
    QLinearGradient body(0, 0, 0, size.height());
    body.setColorAt(0, theme::kWindowTop);
    body.setColorAt(1, theme::kWindowBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(windowOutline(size));
    // A faint light from the top centre gives the flat body some depth.
    QRadialGradient light(size.width() / 2.0, 0, size.width() * 0.6);
    light.setColorAt(0, QColor(0x1e, 0xc8, 0xff, 22));
    light.setColorAt(1, QColor(0x1e, 0xc8, 0xff, 0));
    p.setBrush(light);
    p.drawPath(windowOutline(size));
    // The caption band: a shade darker than the body, closed by a hairline.
    p.save();
    p.setClipPath(windowOutline(size));
    p.fillRect(QRectF(0, 0, size.width(), captionHeight), QColor(0x0c, 0x0e, 0x11, 110));
    p.restore();
    p.setPen(QPen(QColor(0x2a, 0x2e, 0x36), 1));
    p.drawLine(QPointF(0, captionHeight + 0.5), QPointF(size.width(), captionHeight + 0.5));
    p.setPen(QPen(theme::kWindowEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(windowOutline(size));
}

void paintCard(QPainter &p, const Rect &rect, bool keyboardPlate) {
    const QRectF box = toRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(keyboardPlate ? theme::kPlateEdge : theme::kCardEdge, 1));
    if (keyboardPlate) {
        QLinearGradient plate(box.topLeft(), box.bottomLeft());
        plate.setColorAt(0, theme::kPlateTop);
        plate.setColorAt(1, theme::kPlateBottom);
        p.setBrush(plate);
    } else {
        p.setBrush(theme::kCard);
    }
    p.drawRoundedRect(box, 10, 10);
    if (keyboardPlate) {
        // A thin accent light along the plate's lower edge.
        QLinearGradient strip(box.left(), 0, box.right(), 0);
        strip.setColorAt(0, QColor(0x1e, 0xc8, 0xff, 0));
        strip.setColorAt(0.5, QColor(0x1e, 0xc8, 0xff, 150));
        strip.setColorAt(1, QColor(0x1e, 0xc8, 0xff, 0));
        p.setPen(QPen(QBrush(strip), 1.5));
        p.drawLine(QPointF(box.left() + 40, box.bottom() - 0.5),
                   QPointF(box.right() - 40, box.bottom() - 0.5));
    }
}

// A sunken well: a rounded rectangle in the plate colour inside a card edge line.
void paintWell(QPainter &p, const QRectF &outline) {
    p.setPen(QPen(theme::kCardEdge, 1));
    p.setBrush(theme::kPlateTop);
    p.drawRoundedRect(outline, 6, 6);
}

void paintDecoration(QPainter &p, const Decoration &d, int keyboardPlateTop) {
    const QRectF box = toRectF(d.rect);
    switch (d.kind) {
        case Decoration::Kind::Card:
            paintCard(p, d.rect, d.rect.y == keyboardPlateTop);
            break;
        case Decoration::Kind::Wordmark: {
            QFont f = theme::font(17, QFont::Light);
            f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
            p.setFont(f);
            p.setPen(theme::kSubLegend);
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, d.text);
            break;
        }
        case Decoration::Kind::Caption:
            p.setFont(theme::font(15, QFont::DemiBold));
            p.setPen(theme::kLegend);
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, d.text);
            break;
        case Decoration::Kind::SmallCaption: {
            QFont f = theme::font(9.5, QFont::DemiBold);
            f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
            p.setFont(f);
            p.setPen(theme::kDimText.lighter(125));
            p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, d.text);
            break;
        }
        case Decoration::Kind::Divider:
            p.setPen(QPen(theme::kCardEdge, 1));
            p.drawLine(QPointF(box.left() + 0.5, box.top()),
                       QPointF(box.left() + 0.5, box.bottom()));
            break;
        case Decoration::Kind::Well:
            paintWell(p, box.adjusted(0.5, 0.5, -0.5, -0.5));
            break;
    }
}

int keyboardPlateTop(const WindowLayout &layout) {
    // The first card of a window is its main plate (the keyboard on the main window).
    for (const Decoration &d : layout.decorations)
        if (d.kind == Decoration::Kind::Card) return d.rect.y;
    return -1;
}

void paintPageArea(QPainter &p, const WindowLayout &layout, Page page) {
    const Rect area = compositePageArea();
    paintCard(p, area, false);
    if (page == Page::Macro) {
        // A sunken well behind the step list.
        paintWell(p, toRectF(rectOf(layout, "FUNC_MACRO_LIST2")).adjusted(-2.5, -2.5, 2.5, 2.5));
    }
    const Glyph watermark = page == Page::Key        ? Glyph::Keyboard
                            : page == Page::Media    ? Glyph::Globe
                            : page == Page::Function ? Glyph::Menu
                                                     : Glyph::None;
    if (watermark == Glyph::None) return;
    const QRectF box(area.x + area.w - 150, area.y + area.h - 130, 110, 110);
    paintGlyph(p, watermark, box, QColor(0xff, 0xff, 0xff, 14));
}

}  // namespace

QImage paintBackground(const WindowLayout &layout) {
    QImage image(layout.size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintWindowBody(p, layout.size, layout.iniName == "Main.ini" ? 56 : 44);
    const int plateTop = layout.iniName == "Main.ini" ? keyboardPlateTop(layout) : -1;
    for (const Decoration &d : layout.decorations) paintDecoration(p, d, plateTop);
    return image;
}

QImage paintCompositeBackground(const WindowLayout &layout, Page page) {
    QImage image = paintBackground(layout);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPageArea(p, layout, page);
    return image;
}

QImage paintStatePicture(const WindowLayout &layout, State state, const QImage &background,
                         const ButtonFilter &filter) {
    QImage image = background.copy();
    QPainter p(&image);
    for (const ImageButton &button : layout.buttons) {
        if (!filter(button)) continue;
        const Rect shifted{button.rect.x - 1, button.rect.y - 1, button.rect.w, button.rect.h};
        paintButton(p, button, shifted, state);
    }
    return image;
}

QImage paintMask(const WindowLayout &layout) {
    QImage image(layout.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(windowOutline(layout.size));
    return image;
}

}  // namespace skingen
