// Control ids of the composite assignment dialog.
#pragma once

namespace dialogs::composite {

inline constexpr int kTabKey = 1028, kTabMacro = 1029, kTabMedia = 1030, kTabFunction = 1031;
inline constexpr int kClear = 1032, kOnScreenKeyboard = 1132, kPageBackground = 1033;
inline constexpr int kTitleBar = 1131, kTitleText = 1199;
inline constexpr int kSingleLabel = 1201, kKeyName = 1127;
inline constexpr int kKeyboardRadio = 1185, kKeyboardLabel = 1134;
inline constexpr int kMouseRadio = 1186, kMouseLabel = 1135, kMouseCombo = 1187;
inline constexpr int kMacroLabel = 1200, kMacroCombo = 1126;
inline constexpr int kMacroAdd = 1017, kMacroDelete = 1018, kStepList = 1019;
inline constexpr int kRecord = 1020, kStepDelete = 1021, kStepClear = 1022;
inline constexpr int kStepTop = 1023, kStepUp = 1024, kStepDown = 1025, kStepBottom = 1026;
inline constexpr int kRecordDelays = 1027, kRecordDelaysLabel = 1133;
inline constexpr int kCycles = 1125, kCyclesLabel = 1130;
inline constexpr int kMediaLabel = 1202, kMediaCombo = 1128;
inline constexpr int kFunctionLabel = 1203, kFunctionCombo = 1129;
inline constexpr int kApply = 1015, kOk = 1, kCancel = 2;

}  // namespace dialogs::composite
