// Every key a Linux keyboard sends reaches the key code the key table gives it.
#include <gtest/gtest.h>

#include <map>

#include "model/KeyButtons.h"
#include "model/KeyConversions.h"
#include "model/KeyTable.h"
#include "platform/KeyEventTranslation.h"

namespace {

using platform::keyEventFlags;
using platform::translateEvdevKey;

// The key code of every evdev code that translates, with Num Lock on or off.
std::map<model::KeyCode, std::uint32_t> keyCodesOfEvdev(bool numLockOn) {
    std::map<model::KeyCode, std::uint32_t> codes;
    for (std::uint32_t evdev = 0; evdev < 256; ++evdev) {
        const auto key = translateEvdevKey(evdev, numLockOn);
        if (!key) continue;
        const model::KeyCode code =
            model::keyCodeOfKeyEvent(key->virtualKey, keyEventFlags(*key, false, false));
        codes.emplace(code, evdev);
    }
    return codes;
}

TEST(KeyEventTranslation, EveryKeyOfTheKeyboardViewGivesItsOwnCodeInBothNumLockStates) {
    for (bool numLockOn : {true, false}) {
        const auto codes = keyCodesOfEvdev(numLockOn);
        for (const model::KeyButton &button : model::kKeyButtons) {
            EXPECT_TRUE(codes.contains(button.keyCode))
                << "key 0x" << std::hex << button.keyCode << " with Num Lock " << numLockOn;
        }
    }
}

TEST(KeyEventTranslation, MediaSystemAndInternationalKeysGiveTheirCodes) {
    const auto codes = keyCodesOfEvdev(true);
    for (const model::MediaItem &item : model::kMediaList) {
        EXPECT_TRUE(codes.contains(item.keyCode)) << std::hex << item.keyCode;
    }
    for (model::KeyCode code :
         {0x15E, 0x15F, 0x163, 0x064, 0x07D, 0x073, 0x07E, 0x07B, 0x079, 0x070, 0x071, 0x072}) {
        EXPECT_TRUE(codes.contains(code)) << std::hex << code;
    }
}

TEST(KeyEventTranslation, ModifiersAndLockKeysAreToldApartByScanCode) {
    struct Case {
        std::uint32_t evdev;
        model::KeyCode code;
        std::uint8_t virtualKey;
    };
    const Case cases[] = {{29, 0x01D, 0xA2},  {97, 0x11D, 0xA3},  {42, 0x02A, 0xA0},
                          {54, 0x036, 0xA1},  {56, 0x038, 0xA4},  {100, 0x138, 0xA5},
                          {125, 0x15B, 0x5B}, {126, 0x15C, 0x5C}, {127, 0x15D, 0x5D},
                          {69, 0x145, 0x90},  {119, 0x045, 0x13}, {28, 0x01C, 0x0D},
                          {96, 0x11C, 0x0D},  {99, 0x137, 0x2C}};
    for (const Case &c : cases) {
        const auto key = translateEvdevKey(c.evdev, true);
        ASSERT_TRUE(key) << c.evdev;
        EXPECT_EQ(key->virtualKey, c.virtualKey) << c.evdev;
        EXPECT_EQ(model::keyCodeOfKeyEvent(key->virtualKey, keyEventFlags(*key, false, false)),
                  c.code)
            << c.evdev;
    }
}

model::KeyCode keyCodeOf(const std::optional<platform::TranslatedKey> &key) {
    return key ? model::keyCodeOfKeyEvent(key->virtualKey, keyEventFlags(*key, false, false)) : 0;
}

TEST(KeyEventTranslation, KeypadCommaAndTheModifiedPauseAndPrintScreenKeys) {
    const auto keypadComma = translateEvdevKey(121, true);
    ASSERT_TRUE(keypadComma);
    EXPECT_EQ(keypadComma->virtualKey, 0xC2);
    EXPECT_EQ(keyCodeOf(keypadComma), 0x07E);
    // The Japanese keypad comma has no row of the key table.
    EXPECT_FALSE(translateEvdevKey(95, true));

    EXPECT_EQ(keyCodeOf(translateEvdevKey(119, true, {.control = true})), 0x146);
    EXPECT_EQ(translateEvdevKey(119, true, {.control = true})->virtualKey, 0x03);
    EXPECT_EQ(keyCodeOf(translateEvdevKey(119, true, {.alt = true})), 0x045);
    EXPECT_EQ(keyCodeOf(translateEvdevKey(99, true, {.alt = true})), 0x054);
    EXPECT_EQ(translateEvdevKey(99, true, {.alt = true})->virtualKey, 0x2C);
    EXPECT_EQ(keyCodeOf(translateEvdevKey(99, true, {.control = true})), 0x137);
}

TEST(KeyEventTranslation, KeypadSendsDigitsOrNavigationByNumLock) {
    const auto on = translateEvdevKey(71, true);
    const auto off = translateEvdevKey(71, false);
    ASSERT_TRUE(on && off);
    EXPECT_EQ(on->virtualKey, 0x67);
    EXPECT_EQ(off->virtualKey, 0x24);
    EXPECT_FALSE(off->extended);
    // The navigation block's Home keeps its own code although it sends the same key.
    const auto home = translateEvdevKey(102, false);
    ASSERT_TRUE(home);
    EXPECT_EQ(model::keyCodeOfKeyEvent(off->virtualKey, keyEventFlags(*off, false, false)), 0x047);
    EXPECT_EQ(model::keyCodeOfKeyEvent(home->virtualKey, keyEventFlags(*home, false, false)),
              0x147);
}

TEST(KeyEventTranslation, FlagsCarryScanCodeExtendedPreviousStateAndTransition) {
    const platform::TranslatedKey up{0x48, true, 0x26};
    EXPECT_EQ(keyEventFlags(up, false, false), 0x01480001u);
    EXPECT_EQ(keyEventFlags(up, true, false), 0x41480001u);
    EXPECT_EQ(keyEventFlags(up, true, true), 0xC1480001u);
    EXPECT_FALSE(translateEvdevKey(0, true));
    EXPECT_FALSE(translateEvdevKey(84, true));
    EXPECT_FALSE(translateEvdevKey(100000, true));
}

}  // namespace
