// The recorder's decisions: fed the keyboard and mouse events the editor's input
// filter catches while recording, it decides which become steps of the step
// list and which events are swallowed or passed on. Key-repeat is swallowed,
// the multimedia keys pass, the keys that only report their release get a press
// 2 ms before it, and the click on the record button is not recorded.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "KeyCode.h"
#include "MacroStepList.h"

namespace model {

enum class HookDisposition { PassOn, Swallow };

// Windows message numbers the events carry.
inline constexpr std::uint32_t kMessageKeyDown = 0x0100;
inline constexpr std::uint32_t kMessageKeyUp = 0x0101;
inline constexpr std::uint32_t kMessageSysKeyDown = 0x0104;
inline constexpr std::uint32_t kMessageSysKeyUp = 0x0105;
inline constexpr std::uint32_t kMessageMouseMove = 0x0200;
inline constexpr std::uint32_t kMessageLeftDown = 0x0201;
inline constexpr std::uint32_t kMessageLeftUp = 0x0202;
inline constexpr std::uint32_t kMessageRightDown = 0x0204;
inline constexpr std::uint32_t kMessageRightUp = 0x0205;
inline constexpr std::uint32_t kMessageMiddleDown = 0x0207;
inline constexpr std::uint32_t kMessageMiddleUp = 0x0208;

// Only this hook code carries an event to act on.
inline constexpr int kHookAction = 0;

// Flags word of a keyboard event: previous key state and transition bits.
inline constexpr std::uint32_t kKeyWasDown = 1u << 30;
inline constexpr std::uint32_t kKeyReleased = 1u << 31;

// The wait of recorded steps when measured waits are off, and the distance of the
// added press before a release-only key.
inline constexpr std::uint32_t kFixedRecordWaitMs = 50;
inline constexpr std::uint32_t kReleaseOnlyPressWaitMs = 2;

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Left, top inclusive; right, bottom exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(ScreenPoint point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
};

// True for the multimedia keys the recorder never records.
bool isUnrecordedMediaKey(KeyCode code);
// True for the keys that report only their release.
bool isReleaseOnlyKey(KeyCode code);

class MacroRecorder {
public:
    using Milliseconds = std::function<std::uint32_t()>;

    // steps: where recorded steps go; recordDelays: the record-delays setting
    // (true keeps measured waits); now: a millisecond tick, steady by default.
    MacroRecorder(MacroStepList &steps, std::function<bool()> recordDelays, Milliseconds now = {});

    void start();
    void stop();
    bool recording() const { return recording_; }

    // A key event of the editor's thread: virtual key and flags word (scan code in
    // bits 16..24, previous state bit 30, transition bit 31).
    HookDisposition keyboardEvent(int hookCode, std::uint32_t virtualKey, std::uint32_t flags);

    // A key event seen system-wide (key down, key up, system key down or up); only
    // the Windows keys are acted on.
    HookDisposition systemKeyEvent(int hookCode, std::uint32_t message, std::uint32_t virtualKey);

    // A mouse event with the cursor and the record button's rectangle in screen
    // coordinates. Mouse events are always passed on.
    HookDisposition mouseEvent(int hookCode, std::uint32_t message, ScreenPoint cursor,
                               ScreenRect recordButton);

private:
    void recordStep(KeyCode key, std::uint16_t direction);
    void appendStep(std::uint32_t wait, KeyCode key, std::uint16_t direction);
    bool measuredWaits() const;

    MacroStepList &steps_;
    std::function<bool()> recordDelays_;
    Milliseconds now_;
    bool recording_ = false;
    std::uint32_t lastEventTime_ = 0;
    std::optional<std::uint32_t> lastWindowsKeyDown_;
};

}  // namespace model
