// One profile's user-mode file: ten per-key colour layouts (slots 0..9) in a
// private-profile INI file, with the slot in use, the slot names and, per
// slot, the brush, the base colour, the brush colour and every key's colour
// with its base-colour flag. Missing entries read as their defaults; malformed
// numbers read as 0 and colour channels are held to 0..255.
#pragma once

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "Colour.h"
#include "KeySlots.h"

namespace lighting {

inline constexpr int kUserModeSlots = 10;

struct UserModeTools {
    int brush = 0;  // 0 = colour brush, 1 = base-colour brush
    Colour baseColour = kBlack;
    Colour brushColour = kBlack;
};

struct UserKeyColour {
    Colour colour = kRed;
    bool baseFlag = true;
};

class UserModeFile {
public:
    explicit UserModeFile(std::filesystem::path file) : file_(std::move(file)) {}

    // "UserDengColor_<profile>.userd" in the folder.
    static std::filesystem::path pathFor(const std::filesystem::path &folder, int profile);

    // The slot in use; a value outside 0..9 reads as 0.
    int presentSlot() const;
    bool setPresentSlot(int slot) const;

    std::u16string slotName(int slot) const;
    bool setSlotName(int slot, std::u16string_view name) const;

    UserModeTools tools(int slot) const;
    bool setTools(int slot, const UserModeTools &tools) const;

    UserKeyColour keyColour(int slot, int keySlot) const;
    bool setKeyColour(int slot, int keySlot, const UserKeyColour &entry) const;

    // Every key entry of a slot from one reading of the file.
    std::array<UserKeyColour, kSlotCount> keyColours(int slot) const;
    // Writes several key entries of a slot with one replacement of the file.
    bool setKeyColours(int slot, std::span<const std::pair<int, UserKeyColour>> entries) const;

    // Replaces the file with the template's bytes; a missing template leaves
    // the file empty, so every entry reads as its default.
    bool resetFromTemplate(const std::filesystem::path &templateFile) const;

    const std::filesystem::path &path() const { return file_; }

private:
    bool editSection(std::u16string_view section,
                     std::span<const std::pair<std::u16string, std::string>> values) const;

    std::filesystem::path file_;
};

}  // namespace lighting
