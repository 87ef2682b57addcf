#include "SkinIniWriter.h"

#include <QStringList>

namespace skingen {
namespace {

QString rectText(const Rect &r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x).arg(r.y).arg(r.w).arg(r.h);
}

}  // namespace

QString skinIniText(const WindowLayout &layout) {
    QStringList lines = {"[SCREEN]", "Main=" + layout.background, "Mask=" + layout.mask};
    if (!layout.link.isEmpty()) lines << "Link=" + layout.link;
    lines << ""
          << "[BUTTONINFO]";
    for (const ImageButton &button : layout.buttons)
        lines << button.key + "=" + rectText(button.rect);
    for (const PlacedControl &control : layout.controls)
        lines << control.key + "=" + rectText(control.rect);
    if (!layout.pictureRects.empty()) {
        lines << ""
              << "[BUTTONINFO2]";
        for (const PlacedControl &cell : layout.pictureRects)
            lines << cell.key + "=" + rectText(cell.rect);
    }
    return lines.join('\n') + '\n';
}

}  // namespace skingen
