// Writes a window's skin INI file from its layout.
#pragma once

#include <QString>

#include "SkinLayout.h"

namespace skingen {

// The file's text: [SCREEN] with the pictures and link, [BUTTONINFO] with one
// "x,y,w,h" rectangle per control, [BUTTONINFO2] with picture rectangles.
QString skinIniText(const WindowLayout &layout);

}  // namespace skingen
