#include "ui/dialogs/CompositePlacement.h"

namespace dialogs {

QPoint positionBesideButton(const QRect &button, QSize dialog, QSize screen) {
    // Edges as the window rectangles count them: right and bottom are exclusive.
    const int left = button.left();
    const int top = button.top();
    const int right = button.left() + button.width();
    const int bottom = button.top() + button.height();
    const int w = dialog.width();
    const int h = dialog.height();
    const bool fitsRight = screen.width() - right >= w;
    const bool fitsLeft = left >= w;
    const bool fitsBelow = screen.height() - bottom >= h;
    const bool fitsAbove = top >= h;
    if (fitsRight && fitsBelow) return {right, bottom};
    if (fitsRight && fitsAbove) return {right, top - h};
    if (fitsLeft && fitsBelow) return {left - w, bottom};
    if (fitsLeft && fitsAbove) return {left - w, top - h};
    return {right, bottom};
}

QPoint centredPosition(QSize dialog, QSize screen) {
    return {(screen.width() - dialog.width()) / 2, (screen.height() - dialog.height()) / 2};
}

}  // namespace dialogs
