// Control ids of the lighting panel. Constants only, so the main window can
// name the panel's controls when it is built without the panel.
#pragma once

namespace panel {

// The Fn key's button, which the preview paints with the keys.
inline constexpr int kFnButtonId = 1174;

namespace ids {
inline constexpr int kViewCaption = 1171, kViewSwitch = 1167, kModeSelector = 1146;
inline constexpr int kBrightnessCaption = 1172, kBrightnessSlider = 1178;
inline constexpr int kBrightnessAdd = 1222, kBrightnessSub = 1223;
inline constexpr int kSpeedCaption = 1166, kSpeedSlider = 1179;
inline constexpr int kSpeedAdd = 1224, kSpeedSub = 1225;
inline constexpr int kDirectionCaption = 1148, kDirectionFirst = 1149, kDirectionSecond = 1150;
inline constexpr int kHxColourCaption = 1154, kHxColour = 1155, kHxMultiCaption = 1173,
                     kHxMulti = 1156;
inline constexpr int kFyColourCaption = 1151, kFyColour = 1152, kFyMultiCaption = 1176,
                     kFyMulti = 1175;
inline constexpr int kPresetRed = 1194;  // 1194..1197: red, yellow, green, blue
inline constexpr int kBrushColourCaption = 1159, kBrushColour = 1160;
inline constexpr int kBaseColourCaption = 1161, kBaseColour = 1162;
inline constexpr int kBrushCaption = 1163, kBrushPaint = 1164, kBrushBase = 1165;
inline constexpr int kUserModeSelector = 1198;
inline constexpr int kNumberRed = 1208, kNumberGreen = 1209, kNumberBlue = 1210;
inline constexpr int kNumberCaption = 1207;  // the label of the three number boxes
}  // namespace ids

}  // namespace panel
