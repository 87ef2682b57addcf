// Draws one image button in one of the whole-window states.
#pragma once

#include <QPainter>

#include "SkinLayout.h"

namespace skingen {

// The pictures of a window: the five button states of a window's buttons, and
// the two lit keyboard pictures of the main window.
enum class State { Normal, Over, Down, Disable, Color0, Color1 };

// Paints `button` for `state` into `rect` (the caller shifts it by the
// one-pixel picture offset).
void paintButton(QPainter &painter, const ImageButton &button, const Rect &rect, State state);

void paintGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &colour);

QRectF toRectF(const Rect &rect);

}  // namespace skingen
