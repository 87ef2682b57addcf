// What the lighting panel shows for a lighting state, without any widget: the
// control groups each mode uses, where the direction group sits and which
// pictures it shows, and which slider picture stands for a value.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace panel {

enum class ControlGroup { Base, Speed, Direction, ColourHx, ColourFy, Presets, UserMode };
inline constexpr std::array<ControlGroup, 7> kControlGroups{
    ControlGroup::Base,     ControlGroup::Speed,   ControlGroup::Direction, ControlGroup::ColourHx,
    ControlGroup::ColourFy, ControlGroup::Presets, ControlGroup::UserMode};

// Whether the group shows in the mode while the lighting view switch is on.
bool groupShownInMode(ControlGroup group, int mode);

// The three skin keys the direction group is placed by in a mode.
struct DirectionPlacement {
    std::u16string_view caption;
    std::u16string_view first;
    std::u16string_view second;
};
DirectionPlacement directionPlacement(int mode);

// The bitmaps of the two direction pictures in a mode, not selected and selected.
struct DirectionPictures {
    std::string_view firstOff, firstOn, secondOff, secondOn;
};
DirectionPictures directionPictures(int mode);

// The pictures the two direction controls show for a direction byte: 0xFF
// selects the first, every other value the second.
struct DirectionShown {
    std::string_view first, second;
};
DirectionShown directionShown(int mode, std::uint8_t direction);

inline constexpr int kSliderMax = 4;
inline constexpr int kSliderPictureCount = 26;

// Slider positions for read-back values, kept within 0..4.
int brightnessPosition(int brightness);
int speedPosition(int speed);

// The slider picture number for a read-back value; none when the picture
// should stay as it is.
std::optional<int> brightnessPicture(int brightness);
std::optional<int> speedPicture(int speed);

// The slider picture number for a position the user dragged to.
int brightnessPictureForPosition(int position);
int speedPictureForPosition(int position);

// The text a number box keeps: a value of 256 or more becomes "255"; none when
// the text stays as typed.
std::optional<std::u16string_view> cappedColourNumber(std::u16string_view text);

}  // namespace panel
