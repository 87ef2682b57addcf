#include "UserModeFile.h"

#include <algorithm>
#include <array>

#include "model/DecimalText.h"
#include "platform/AtomicFile.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/IniLoader.h"
#include "platform/Utf.h"
#include "settings/UserPaths.h"

namespace lighting {
namespace {

constexpr std::u16string_view kPresentSection = u"PRESENTMODE";
constexpr std::u16string_view kPresentKey = u"mode";
constexpr std::u16string_view kNameSection = u"MODENAME";
constexpr std::u16string_view kToolKey = u"tool";
constexpr std::u16string_view kBaseColourKey = u"jcolor";
constexpr std::u16string_view kBrushColourKey = u"color";

std::u16string slotSection(int slot) {
    return u"Mode" + model::decimalText(slot);
}

// Reads up to N comma-separated decimal numbers; a field that does not start
// with a number reads as 0, as do fields that are missing.
template <std::size_t N>
std::array<int, N> parseNumbers(std::u16string_view text) {
    std::array<int, N> numbers{};
    std::size_t pos = 0;
    for (std::size_t field = 0; field < N && pos <= text.size(); ++field) {
        while (pos < text.size() && text[pos] == u' ') ++pos;
        bool negative = pos < text.size() && text[pos] == u'-';
        if (negative) ++pos;
        long value = 0;
        while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9' && value < 100000)
            value = value * 10 + (text[pos++] - u'0');
        numbers[field] = int(negative ? -value : value);
        std::size_t comma = text.find(u',', pos);
        if (comma == std::u16string_view::npos) break;
        pos = comma + 1;
    }
    return numbers;
}

std::uint8_t channel(int value) {
    return std::uint8_t(std::clamp(value, 0, 255));
}

Colour colourOfText(std::u16string_view text) {
    auto n = parseNumbers<3>(text);
    return makeColour(channel(n[0]), channel(n[1]), channel(n[2]));
}

std::string textOfColour(Colour c) {
    return std::to_string(redOf(c)) + "," + std::to_string(greenOf(c)) + "," +
           std::to_string(blueOf(c));
}

std::string textOfKeyColour(const UserKeyColour &entry) {
    return textOfColour(entry.colour) + (entry.baseFlag ? ",1" : ",0");
}

constexpr std::u16string_view kDefaultKeyColour = u"255,0,0,1";

UserKeyColour keyColourOfText(std::u16string_view text) {
    auto n = parseNumbers<4>(text);
    return {makeColour(channel(n[0]), channel(n[1]), channel(n[2])), n[3] != 0};
}

// The one reader of a key's entry, for a single key and for a whole slot alike.
UserKeyColour keyColourIn(const platform::IniDocument &document, std::u16string_view section,
                          int keySlot) {
    return keyColourOfText(
        platform::readIniString(document, section, model::decimalText(keySlot), kDefaultKeyColour));
}

bool validSlot(int slot) {
    return slot >= 0 && slot < kUserModeSlots;
}

}  // namespace

std::filesystem::path UserModeFile::pathFor(const std::filesystem::path &folder, int profile) {
    return app::lightingFileIn(folder, profile);
}

int UserModeFile::presentSlot() const {
    int slot = platform::readIniInt(file_, kPresentSection, kPresentKey, 0);
    return validSlot(slot) ? slot : 0;
}

bool UserModeFile::setPresentSlot(int slot) const {
    return validSlot(slot) &&
           platform::writeIniString(file_, kPresentSection, kPresentKey, model::decimalText(slot));
}

std::u16string UserModeFile::slotName(int slot) const {
    return platform::readIniString(file_, kNameSection, model::decimalText(slot), u"0");
}

bool UserModeFile::setSlotName(int slot, std::u16string_view name) const {
    return validSlot(slot) &&
           platform::writeIniString(file_, kNameSection, model::decimalText(slot), name);
}

UserModeTools UserModeFile::tools(int slot) const {
    std::u16string section = slotSection(slot);
    UserModeTools tools;
    tools.brush = platform::readIniInt(file_, section, kToolKey, 0) == 1 ? 1 : 0;
    tools.baseColour =
        colourOfText(platform::readIniString(file_, section, kBaseColourKey, u"0,0,0"));
    tools.brushColour =
        colourOfText(platform::readIniString(file_, section, kBrushColourKey, u"0,0,0"));
    return tools;
}

bool UserModeFile::setTools(int slot, const UserModeTools &tools) const {
    if (!validSlot(slot)) return false;
    std::vector<std::pair<std::u16string, std::string>> values{
        {std::u16string(kToolKey), std::to_string(tools.brush)},
        {std::u16string(kBaseColourKey), textOfColour(tools.baseColour)},
        {std::u16string(kBrushColourKey), textOfColour(tools.brushColour)}};
    return editSection(slotSection(slot), values);
}

UserKeyColour UserModeFile::keyColour(int slot, int keySlot) const {
    return keyColourIn(*platform::loadIniDocument(file_), slotSection(slot), keySlot);
}

std::array<UserKeyColour, kSlotCount> UserModeFile::keyColours(int slot) const {
    std::array<UserKeyColour, kSlotCount> entries{};
    const auto document = platform::loadIniDocument(file_);
    const std::u16string section = slotSection(slot);
    for (int keySlot = 0; keySlot < kSlotCount; ++keySlot)
        entries[keySlot] = keyColourIn(*document, section, keySlot);
    return entries;
}

bool UserModeFile::setKeyColours(int slot,
                                 std::span<const std::pair<int, UserKeyColour>> entries) const {
    if (!validSlot(slot)) return false;
    std::vector<std::pair<std::u16string, std::string>> values;
    for (const auto &[keySlot, entry] : entries)
        values.push_back({model::decimalText(keySlot), textOfKeyColour(entry)});
    return editSection(slotSection(slot), values);
}

// Sets several keys of one section with a single replacement of the file; an
// existing file that cannot be read is left as it is.
bool UserModeFile::editSection(
    std::u16string_view section,
    std::span<const std::pair<std::u16string, std::string>> values) const {
    std::optional<std::string> contents = platform::readWholeFile(file_);
    if (!contents && std::filesystem::exists(file_)) return false;
    auto document = platform::IniDocument::parse(contents.value_or(""));
    for (const auto &[key, value] : values)
        if (!document.set(section, key, value)) return false;
    return platform::writeFileAtomically(file_, document.serialize());
}

bool UserModeFile::setKeyColour(int slot, int keySlot, const UserKeyColour &entry) const {
    if (!validSlot(slot)) return false;
    return platform::writeIniString(file_, slotSection(slot), model::decimalText(keySlot),
                                    platform::fromUtf8(textOfKeyColour(entry)));
}

bool UserModeFile::resetFromTemplate(const std::filesystem::path &templateFile) const {
    std::string contents = platform::readWholeFile(templateFile).value_or(std::string());
    return platform::writeFileAtomically(file_, contents);
}

}  // namespace lighting
