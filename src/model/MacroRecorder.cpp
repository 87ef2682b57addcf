#include "MacroRecorder.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "KeyConversions.h"

namespace model {
namespace {

constexpr std::array<KeyCode, 18> kUnrecordedMediaKeys{288, 304, 302, 292, 290, 281, 272, 365, 306,
                                                       359, 360, 362, 361, 358, 357, 363, 289, 364};
constexpr std::array<KeyCode, 4> kReleaseOnlyKeys{84, 113, 114, 311};

constexpr std::uint32_t kLeftWindowsVirtualKey = 0x5B;
constexpr std::uint32_t kRightWindowsVirtualKey = 0x5C;
constexpr KeyCode kLeftWindowsKey = 347;
constexpr KeyCode kRightWindowsKey = 348;

constexpr std::uint16_t kPress = 0;
constexpr std::uint16_t kRelease = 1;

std::uint32_t steadyMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

struct MouseButton {
    KeyCode key = kNoKey;
    std::uint16_t direction = kPress;
};

std::optional<MouseButton> mouseButtonOf(std::uint32_t message) {
    switch (message) {
        case kMessageLeftDown:
            return MouseButton{kMouseLeft, kPress};
        case kMessageLeftUp:
            return MouseButton{kMouseLeft, kRelease};
        case kMessageRightDown:
            return MouseButton{kMouseRight, kPress};
        case kMessageRightUp:
            return MouseButton{kMouseRight, kRelease};
        case kMessageMiddleDown:
            return MouseButton{kMouseMiddle, kPress};
        case kMessageMiddleUp:
            return MouseButton{kMouseMiddle, kRelease};
        default:
            return std::nullopt;
    }
}

}  // namespace

bool isUnrecordedMediaKey(KeyCode code) {
    return std::find(kUnrecordedMediaKeys.begin(), kUnrecordedMediaKeys.end(), code) !=
           kUnrecordedMediaKeys.end();
}

bool isReleaseOnlyKey(KeyCode code) {
    return std::find(kReleaseOnlyKeys.begin(), kReleaseOnlyKeys.end(), code) !=
           kReleaseOnlyKeys.end();
}

MacroRecorder::MacroRecorder(MacroStepList &steps, std::function<bool()> recordDelays,
                             Milliseconds now)
    : steps_(steps),
      recordDelays_(std::move(recordDelays)),
      now_(now ? std::move(now) : Milliseconds(steadyMilliseconds)) {}

void MacroRecorder::start() {
    recording_ = true;
    lastEventTime_ = now_();
    lastWindowsKeyDown_.reset();
}

void MacroRecorder::stop() {
    recording_ = false;
}

bool MacroRecorder::measuredWaits() const {
    return recordDelays_ && recordDelays_();
}

HookDisposition MacroRecorder::keyboardEvent(int hookCode, std::uint32_t virtualKey,
                                             std::uint32_t flags) {
    if (!recording_ || hookCode != kHookAction) return HookDisposition::PassOn;
    const KeyCode key = keyCodeOfKeyEvent(virtualKey, flags);
    if (key == kNoKey || isUnrecordedMediaKey(key)) return HookDisposition::PassOn;
    const bool released = (flags & kKeyReleased) != 0;
    if (!released && (flags & kKeyWasDown) != 0) return HookDisposition::Swallow;
    recordStep(key, released ? kRelease : kPress);
    return HookDisposition::Swallow;
}

HookDisposition MacroRecorder::systemKeyEvent(int hookCode, std::uint32_t message,
                                              std::uint32_t virtualKey) {
    if (!recording_ || hookCode != kHookAction) return HookDisposition::PassOn;
    const bool down = message == kMessageKeyDown || message == kMessageSysKeyDown;
    if (!down) lastWindowsKeyDown_.reset();
    if (virtualKey != kLeftWindowsVirtualKey && virtualKey != kRightWindowsVirtualKey) {
        return HookDisposition::PassOn;
    }
    const KeyCode key = virtualKey == kLeftWindowsVirtualKey ? kLeftWindowsKey : kRightWindowsKey;
    if (!down) {
        recordStep(key, kRelease);
    } else if (lastWindowsKeyDown_ != virtualKey) {
        lastWindowsKeyDown_ = virtualKey;
        recordStep(key, kPress);
    }
    return HookDisposition::Swallow;
}

HookDisposition MacroRecorder::mouseEvent(int hookCode, std::uint32_t message, ScreenPoint cursor,
                                          ScreenRect recordButton) {
    if (!recording_ || hookCode != kHookAction) return HookDisposition::PassOn;
    const auto button = mouseButtonOf(message);
    if (!button) return HookDisposition::PassOn;
    if (button->key == kMouseLeft && recordButton.contains(cursor)) return HookDisposition::PassOn;
    recordStep(button->key, button->direction);
    return HookDisposition::PassOn;
}

void MacroRecorder::recordStep(KeyCode key, std::uint16_t direction) {
    const std::uint32_t now = now_();
    const bool measured = measuredWaits();
    const std::uint32_t wait = measured ? now - lastEventTime_ : kFixedRecordWaitMs;
    if (isReleaseOnlyKey(key) && direction == kRelease) {
        // The press these keys never report, placed just before their release.
        appendStep(wait, key, kPress);
        appendStep(measured ? kReleaseOnlyPressWaitMs : kFixedRecordWaitMs, key, kRelease);
    } else {
        appendStep(wait, key, direction);
    }
    lastEventTime_ = now;
}

void MacroRecorder::appendStep(std::uint32_t wait, KeyCode key, std::uint16_t direction) {
    NewStep step{wait, key, direction};
    step.recorded = true;
    step.markChanged = true;
    step.insertAfterSelection = true;
    steps_.addStep(step);
}

}  // namespace model
