#include "ui/mainwindow/panel/PanelRules.h"

#include <algorithm>
#include <initializer_list>

namespace panel {
namespace {

constexpr int kUpDownMode = 12;
constexpr int kSpreadMode = 18;

bool isOneOf(int mode, std::initializer_list<int> modes) {
    return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

}  // namespace

bool groupShownInMode(ControlGroup group, int mode) {
    switch (group) {
        case ControlGroup::Base:
            return (mode >= 1 && mode <= 18) || mode == 20;
        case ControlGroup::Speed:
            return (mode >= 1 && mode <= 5) || (mode >= 7 && mode <= 15);
        case ControlGroup::Direction:
            return isOneOf(mode, {1, 2, 3, kUpDownMode, kSpreadMode});
        case ControlGroup::ColourHx:
            return isOneOf(mode, {1, 2, 3, 5, 7, 8, 9, 10, 13, 14, 15});
        case ControlGroup::ColourFy:
            return isOneOf(mode, {6, 16});
        case ControlGroup::Presets:
            return mode == 17;
        case ControlGroup::UserMode:
            return mode == 20;
    }
    return false;
}

DirectionPlacement directionPlacement(int mode) {
    if (isOneOf(mode, {1, 2, 3})) {
        return {u"CONTROL_BLFXStatic2", u"CONTROL_BLFXLStaPic2", u"CONTROL_BLFXRStaPic2"};
    }
    if (mode == kUpDownMode) {
        return {u"CONTROL_BLFXStatic3", u"CONTROL_BLFXLStaPic3", u"CONTROL_BLFXRStaPic3"};
    }
    return {u"CONTROL_BLFXStatic", u"CONTROL_BLFXLStaPic", u"CONTROL_BLFXRStaPic"};
}

DirectionPictures directionPictures(int mode) {
    if (mode == kUpDownMode) return {"upup.bmp", "updown.bmp", "downup.bmp", "downdown.bmp"};
    if (mode == kSpreadMode) {
        return {"kuosan.bmp", "kuosandown.bmp", "julong.bmp", "julongdown.bmp"};
    }
    return {"leftup.bmp", "leftdown.bmp", "rightup.bmp", "rightdown.bmp"};
}

DirectionShown directionShown(int mode, std::uint8_t direction) {
    const DirectionPictures pictures = directionPictures(mode);
    if (direction == 0xFF) return {pictures.firstOn, pictures.secondOff};
    return {pictures.firstOff, pictures.secondOn};
}

int brightnessPosition(int brightness) {
    return std::clamp(brightness, 0, kSliderMax);
}

int speedPosition(int speed) {
    return std::clamp(kSliderMax - speed, 0, kSliderMax);
}

std::optional<int> brightnessPicture(int brightness) {
    if (brightness < 0 || brightness >= kSliderPictureCount) return std::nullopt;
    return brightness;
}

// Speeds 0..4 show pictures 9..5 (the positions 4..0); the faster read-back
// values 5..25 count down from the last picture, so speed 5 shows picture 20.
std::optional<int> speedPicture(int speed) {
    if (speed >= 0 && speed <= kSliderMax) return 9 - speed;
    if (speed > kSliderMax && speed < kSliderPictureCount) return kSliderPictureCount - 1 - speed;
    return std::nullopt;
}

int brightnessPictureForPosition(int position) {
    return std::clamp(position, 0, kSliderMax);
}

int speedPictureForPosition(int position) {
    return 5 + std::clamp(position, 0, kSliderMax);
}

std::optional<std::u16string_view> cappedColourNumber(std::u16string_view text) {
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value >= 256) return u"255";
    }
    return std::nullopt;
}

}  // namespace panel
