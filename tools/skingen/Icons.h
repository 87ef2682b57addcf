// The application and tray icons: 128 (no keyboard), 141 (keyboard present),
// 142 (the keyboard reports activity), drawn at any size.
#pragma once

#include <QImage>

namespace skingen {

enum class IconKind { NoKeyboard = 128, KeyboardPresent = 141, KeyboardBusy = 142 };

QImage paintIcon(IconKind kind, int size);

}  // namespace skingen
