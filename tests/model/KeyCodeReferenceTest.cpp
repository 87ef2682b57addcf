// Every key of the key table against a reference kept as test data: the HID
// usage the keyboard reports, the Linux input code it arrives as, its PC set-1
// scan code and its Windows virtual key. The reference is written from the
// published tables, so a key whose code is swapped with another's (F7 for F8, a
// wrong prefix, a wrong virtual key) fails here even when the utility's own
// tables agree with each other.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/KeyConversions.h"
#include "model/KeyTable.h"
#include "platform/KeyEventTranslation.h"

namespace model {
namespace {

struct ReferenceKey {
    std::optional<DeviceUsage> usage;  // none: the keyboard has no code for the key
    std::uint32_t evdev = 0;
    platform::HeldModifiers held;
    platform::TranslatedKey translated;
    std::string name;

    KeyCode keyCode() const {
        return static_cast<KeyCode>(translated.scanCode | (translated.extended ? 0x100 : 0));
    }
};

std::optional<DeviceUsage> usageOf(const std::string &text) {
    if (text == "-") return std::nullopt;
    const auto colon = text.find(':');
    return DeviceUsage{static_cast<std::uint16_t>(std::stoul(text.substr(0, colon), nullptr, 16)),
                       static_cast<std::uint16_t>(std::stoul(text.substr(colon + 1), nullptr, 16))};
}

platform::TranslatedKey translatedOf(const std::string &scan, const std::string &vk) {
    const bool extended = scan.size() == 4 && scan.starts_with("e0");
    return {static_cast<std::uint8_t>(std::stoul(extended ? scan.substr(2) : scan, nullptr, 16)),
            extended, static_cast<std::uint8_t>(std::stoul(vk, nullptr, 16))};
}

std::vector<ReferenceKey> loadReference() {
    std::ifstream in(KEY_REFERENCE_FILE);
    std::vector<ReferenceKey> keys;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') continue;
        std::istringstream fields(line);
        std::string usage, held, scan, vk;
        ReferenceKey key;
        fields >> usage >> key.evdev >> held >> scan >> vk >> key.name;
        key.usage = usageOf(usage);
        key.held = {held == "ctrl", held == "alt"};
        key.translated = translatedOf(scan, vk);
        keys.push_back(key);
    }
    return keys;
}

// Rows that are no key a keyboard sends: mouse buttons and wheel, the mouse and
// office pseudo keys, and the second Right Shift row.
bool isKeyboardKeyRow(std::uint8_t row) {
    const KeyEntry &entry = kKeyTable[row];
    if (entry.listIndex == kFreeRow || keyCodeOfRow(row) == 0x136) return false;
    if (entry.deviceCode >= 0xF1 && entry.deviceCode <= 0xF5) return false;
    return entry.virtualKey < 0x88 || entry.virtualKey > 0x9F;
}

class KeyReference : public ::testing::Test {
protected:
    static void SetUpTestSuite() { keys_ = loadReference(); }
    static std::vector<ReferenceKey> keys_;
};
std::vector<ReferenceKey> KeyReference::keys_;

TEST_F(KeyReference, EveryKeyboardKeyOfTheTableIsInTheReference) {
    ASSERT_GT(keys_.size(), 100u) << KEY_REFERENCE_FILE;
    std::set<KeyCode> referenced;
    for (const ReferenceKey &key : keys_) referenced.insert(key.keyCode());
    for (int row = 0; row < 256; ++row) {
        if (!isKeyboardKeyRow(static_cast<std::uint8_t>(row))) continue;
        EXPECT_TRUE(referenced.contains(keyCodeOfRow(static_cast<std::uint8_t>(row))))
            << "row 0x" << std::hex << row;
    }
}

TEST_F(KeyReference, LinuxKeysTranslateToTheReferenceScanCodeAndVirtualKey) {
    for (const ReferenceKey &key : keys_) {
        const auto translated = platform::translateEvdevKey(key.evdev, true, key.held);
        ASSERT_TRUE(translated) << key.name;
        EXPECT_EQ(translated->scanCode, key.translated.scanCode) << key.name;
        EXPECT_EQ(translated->extended, key.translated.extended) << key.name;
        EXPECT_EQ(translated->virtualKey, key.translated.virtualKey) << key.name;
        const std::uint32_t flags = platform::keyEventFlags(*translated, false, false);
        EXPECT_EQ(keyCodeOfKeyEvent(translated->virtualKey, flags), key.keyCode()) << key.name;
    }
}

TEST_F(KeyReference, TableRowsCarryTheReferenceVirtualKeyAndDeviceCode) {
    for (const ReferenceKey &key : keys_) {
        const KeyEntry &entry = kKeyTable[rowOfKeyCode(key.keyCode())];
        EXPECT_EQ(entry.virtualKey, key.translated.virtualKey) << key.name;
        if (!key.usage) {
            EXPECT_EQ(entry.deviceCode, 0) << key.name;
            continue;
        }
        if (key.usage->page == 0x0C) {
            // Consumer keys travel as page 7 codes 0xC0 + their consumer table slot.
            EXPECT_EQ(keyCodeOfDeviceUsage(*key.usage), key.keyCode()) << key.name;
            EXPECT_GE(entry.deviceCode, 0xC0) << key.name;
            continue;
        }
        EXPECT_EQ(deviceUsageOfKeyCode(key.keyCode()), *key.usage) << key.name;
        // Break shares Pause's usage; the lower row, Pause, is the one found.
        if (!key.held.control) {
            EXPECT_EQ(keyCodeOfDeviceUsage(*key.usage), key.keyCode()) << key.name;
        }
    }
}

}  // namespace
}  // namespace model
