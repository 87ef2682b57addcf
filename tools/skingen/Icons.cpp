#include "Icons.h"

#include <QLinearGradient>
#include <QPainter>

#include "Theme.h"

namespace skingen {
namespace {

QColor badgeColour(IconKind kind) {
    switch (kind) {
        case IconKind::KeyboardPresent:
            return theme::kAccent;
        case IconKind::KeyboardBusy:
            return QColor(0xff, 0x9f, 0x1a);
        case IconKind::NoKeyboard:
            break;
    }
    return QColor(0x8a, 0x92, 0x9e);
}

}  // namespace

QImage paintIcon(IconKind kind, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient body(tile.topLeft(), tile.bottomLeft());
    body.setColorAt(0, QColor(0x2a, 0x2e, 0x36));
    body.setColorAt(1, QColor(0x12, 0x14, 0x18));
    p.setPen(QPen(badgeColour(kind), std::max(1.0, s * 0.04)));
    p.setBrush(body);
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);
    // Three rows of keys and a space bar.
    const QColor keyColour = badgeColour(kind);
    p.setPen(Qt::NoPen);
    p.setBrush(keyColour);
    const double key = s * 0.12, gap = s * 0.04;
    const double left = (s - 5 * key - 4 * gap) / 2;  // five keys, centred
    for (int row = 0; row < 3; ++row) {
        const int keys = row == 1 ? 4 : 5;
        const double offset = row == 1 ? (key + gap) / 2 : 0;
        for (int col = 0; col < keys; ++col)
            p.drawRoundedRect(
                QRectF(left + offset + col * (key + gap), s * 0.22 + row * (key + gap), key, key),
                s * 0.025, s * 0.025);
    }
    p.drawRoundedRect(QRectF(s * 0.3, s * 0.24 + 3 * (key + gap), s * 0.4, key), s * 0.025,
                      s * 0.025);
    return image;
}

}  // namespace skingen
