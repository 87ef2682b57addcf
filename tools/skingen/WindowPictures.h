// Whole-window pictures: backgrounds, button state pictures and masks.
#pragma once

#include <QImage>
#include <functional>

#include "ControlLooks.h"
#include "SkinLayout.h"

namespace skingen {

// Decides which buttons a picture shows; the others show the background.
using ButtonFilter = std::function<bool(const ImageButton &)>;

// The window's background with its decorations, without any button.
QImage paintBackground(const WindowLayout &layout);

// The background with every button the filter accepts in `state`, each drawn
// one pixel up and left of its skin rectangle, where the button reads it.
QImage paintStatePicture(const WindowLayout &layout, State state, const QImage &background,
                         const ButtonFilter &filter);

// White outside the window's rounded outline, black inside.
QImage paintMask(const WindowLayout &layout);

// The assignment dialog's pages.
enum class Page { Key, Macro, Media, Function };

// The assignment dialog's background with the page area of `page`.
QImage paintCompositeBackground(const WindowLayout &layout, Page page);

}  // namespace skingen
