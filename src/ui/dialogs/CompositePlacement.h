// Where the composite dialog opens: beside the clicked key button, on the first
// side where the whole dialog fits on the screen, or centred when it edits
// macros only.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace dialogs {

// The dialog's top-left corner for a button rectangle (screen coordinates) and
// the screen's size: right-below, right-above, left-below, left-above, in this
// order; right-below again when no side fits.
QPoint positionBesideButton(const QRect &button, QSize dialog, QSize screen);

QPoint centredPosition(QSize dialog, QSize screen);

}  // namespace dialogs
