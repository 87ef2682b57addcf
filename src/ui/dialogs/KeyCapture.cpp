#include "ui/dialogs/KeyCapture.h"

#include <algorithm>

#include "model/KeyConversions.h"
#include "model/KeyTable.h"

namespace dialogs {

namespace {

constexpr model::KeyCode kPrintScreen = 0x137;

bool isKeyMessage(std::uint32_t message) {
    return message == model::kMessageKeyDown || message == model::kMessageKeyUp ||
           message == model::kMessageSysKeyDown || message == model::kMessageSysKeyUp;
}

}  // namespace

bool isMediaListKey(model::KeyCode code) {
    return std::any_of(model::kMediaList.begin(), model::kMediaList.end(),
                       [code](const model::MediaItem &item) { return item.keyCode == code; });
}

model::HookDisposition KeyCapture::keyboardEvent(int hookCode, std::uint32_t virtualKey,
                                                 std::uint32_t flags) {
    if (hookCode != model::kHookAction) return model::HookDisposition::PassOn;
    const model::KeyCode key = model::keyCodeOfKeyEvent(virtualKey, flags);
    if (key == model::kNoKey || isMediaListKey(key)) return model::HookDisposition::PassOn;
    const bool freshPress = (flags & (model::kKeyReleased | model::kKeyWasDown)) == 0;
    if (callbacks_.keyboardMode() && (freshPress || key == kPrintScreen)) {
        callbacks_.captured(key);
    }
    return model::HookDisposition::Swallow;
}

model::HookDisposition KeyCapture::systemKeyEvent(int hookCode, std::uint32_t message,
                                                  std::uint32_t virtualKey) {
    if (hookCode != model::kHookAction || !isKeyMessage(message)) {
        return model::HookDisposition::PassOn;
    }
    if (virtualKey != 0x5B && virtualKey != 0x5C && virtualKey != 0x5D) {
        return model::HookDisposition::PassOn;
    }
    callbacks_.captured(static_cast<model::KeyCode>(0x100 + virtualKey));
    return model::HookDisposition::Swallow;
}

}  // namespace dialogs
