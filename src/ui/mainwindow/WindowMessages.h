// The main window's private messages: a two-character number and, for most, a
// four-character first parameter. Other threads and other windows reach the
// main window only through these.
#pragma once

#include <cstdint>

#include "devicelink/FourCharCode.h"
#include "ui/skin/SliderMessage.h"
#include "ui/skin/layout/RelabelMessage.h"

namespace mainwindow {

using devicelink::fourCharCode;
using devicelink::kTagLed;

inline constexpr std::uint32_t kMsgFinishStartup = fourCharCode("MN");
inline constexpr std::uint32_t kMsgRelabel = skin::kRelabelMessage;
inline constexpr std::uint32_t kMsgShow = fourCharCode("SP");
inline constexpr std::uint32_t kMsgExit = fourCharCode("MK");
inline constexpr std::uint32_t kMsgReload = fourCharCode("TR");
inline constexpr std::uint32_t kMsgDeviceGone = fourCharCode("GS");
inline constexpr std::uint32_t kMsgBankChanged = fourCharCode("PE");
// Slider moved: control id and position.
inline constexpr std::uint32_t kMsgSliderMoved = skin::kSliderMovedMessage;

inline constexpr std::uint32_t kTagInit = fourCharCode("INIT");
inline constexpr std::uint32_t kTagLang = skin::kRelabelTag;
inline constexpr std::uint32_t kTagOpen = fourCharCode("OPEN");
inline constexpr std::uint32_t kTagVersion = fourCharCode("VER");
inline constexpr std::uint32_t kTagProfile = fourCharCode("PROF");
// Another process changed the per-user files or the keyboard: re-read them.
inline constexpr std::uint32_t kTagFiles = fourCharCode("FILE");
// The exit request carries the letters of KILL from the least significant byte.
inline constexpr std::uint32_t kTagKill = 0x4C4C494B;

static_assert(kMsgFinishStartup == 0x4D4E && kMsgRelabel == 0x5041 && kMsgShow == 0x5350);
static_assert(kMsgExit == 0x4D4B && kMsgReload == 0x5452 && kMsgDeviceGone == 0x4753);
static_assert(kMsgBankChanged == 0x5045);
static_assert(kTagInit == 0x494E4954 && kTagOpen == 0x4F50454E && kTagVersion == 0x00564552);
static_assert(kTagProfile == 0x50524F46 && kTagLed == 0x004C4544 && kTagLang == 0x4C414E47);

// Timers of the main window.
inline constexpr int kTimerBusy = 1050;
inline constexpr int kTimerLightingReadBack = 1051;
inline constexpr int kTimerPreview = 1052;

}  // namespace mainwindow
