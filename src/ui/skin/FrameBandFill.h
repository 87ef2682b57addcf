// Writes the frame bands of a key straight into a window's kept picture. A
// preview tick recolours the frames of about a hundred keys, four bands each;
// drawn through a painter, every band pays the painter's whole path, which
// after the window has slept for a tick costs far more than its few pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QRgb>

namespace skin {

// Whether `picture` holds one 32-bit word a pixel that an opaque colour fills
// as 0xFFRRGGBB.
bool takesDirectBands(const QImage &picture);

// Fills the frame bands of `place` with the opaque `colour`, only inside `clip`.
void fillFrameBands(QImage &picture, const QRegion &clip, const QRect &place, QRgb colour);

}  // namespace skin
