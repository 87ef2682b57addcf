// The one look of the utility's standard widgets: a dark palette and a small
// style sheet in the colours of the generated skin, so drop-down lists, edit
// boxes, menus, message boxes, file and colour dialogs and tooltips sit in the
// skinned windows without a light seam.
#pragma once

#include <QPalette>
#include <QString>

namespace skin {

// The palette and the style sheet, for checks and for review.
QPalette darkPalette();
QString darkStyleSheet();

// Applies both to the application, once per process; later calls do nothing.
// Every skinned window calls it when it is created.
void applyDarkStyle();

}  // namespace skin
