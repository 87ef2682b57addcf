#include "cli/KeyAction.h"

#include <array>
#include <charconv>

#include "cli/ExitCode.h"
#include "cli/KeyNames.h"
#include "cli/Texts.h"
#include "model/KeyTable.h"
#include "platform/Utf.h"

namespace cli {
namespace {

constexpr std::array<std::string_view, 9> kKindNames{
    "default", "disabled", "key", "launch", "macro", "stop-macro", "text", "media", "function"};

std::optional<std::uint32_t> mediaIndexByName(std::string_view name) {
    for (std::size_t index = 0; index < model::kMediaList.size(); ++index) {
        if (sameName(keyName(model::kMediaList[index].keyCode), name))
            return static_cast<std::uint32_t>(index);
    }
    return std::nullopt;
}

const model::MacroRecord *macroById(const std::vector<model::MacroRecord> &macros,
                                    std::uint32_t id) {
    for (const model::MacroRecord &macro : macros) {
        if (macro.id == id) return &macro;
    }
    return nullptr;
}

KeyAction action(std::uint16_t kind, std::uint32_t value = 0, std::u16string text = {},
                 std::uint8_t macroCycles = 0) {
    return {kind, value, std::move(text), macroCycles};
}

[[noreturn]] void refuse(const std::string &message) {
    fail(ExitCode::Usage, message);
}

KeyAction macroAction(std::string_view name, const std::vector<model::MacroRecord> &macros) {
    const model::MacroRecord &macro = macroNamed(macros, name);
    return action(model::kKindMacro, macro.id, {}, macro.cycles);
}

KeyAction functionAction(std::string_view number) {
    unsigned function = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), function);
    if (error != std::errc() || end != number.data() + number.size() || function < 1 ||
        function > model::kFunctionCount)
        refuse("function:N takes a number 1.." + std::to_string(model::kFunctionCount));
    return action(model::kKindFunction, function - 1);
}

KeyAction nameAction(std::string_view name) {
    if (const auto key = pressableKeyByName(name)) return action(model::kKindKey, *key);
    if (const auto media = mediaIndexByName(name)) return action(model::kKindMedia, *media);
    if (name.find('+') != std::string_view::npos)
        refuse("\"" + std::string(name) +
               "\": a key holds one key or mouse button; a combination of keys needs a macro "
               "(varnelctl macros import), assigned with macro:NAME");
    refuse("unknown action \"" + std::string(name) + "\"");
}

}  // namespace

std::string kindName(std::uint16_t kind) {
    return kind < kKindNames.size() ? std::string(kKindNames[kind]) : "unknown";
}

const model::MacroRecord &macroNamed(const std::vector<model::MacroRecord> &macros,
                                     std::string_view name) {
    for (const model::MacroRecord &macro : macros) {
        if (utf8(macro.nameView()) == name) return macro;
    }
    fail(ExitCode::Usage, "no macro is named \"" + std::string(name) +
                              "\"; 'varnelctl macros list' shows the macros");
}

KeyAction parseKeyAction(std::string_view text, const std::vector<model::MacroRecord> &macros) {
    if (text == "default") return action(model::kKindDefault);
    if (text == "disable" || text == "disabled") return action(model::kKindDisabled);
    if (text == "stop-macro") return action(model::kKindStopMacro);
    const auto colon = text.find(':');
    const std::string_view prefix = text.substr(0, colon);
    const std::string_view argument =
        colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
    if (colon != std::string_view::npos && colon + 1 < text.size()) {
        if (prefix == "macro") return macroAction(argument, macros);
        if (prefix == "launch") return action(model::kKindLaunch, 0, platform::fromUtf8(argument));
        if (prefix == "text") return action(model::kKindText, 0, platform::fromUtf8(argument));
        if (prefix == "function") return functionAction(argument);
        if (prefix == "key" || prefix == "media") return nameAction(argument);
    }
    return nameAction(text);
}

std::string describeKeyAction(const model::KeyAssignment &record, std::u16string_view text,
                              const std::vector<model::MacroRecord> &macros) {
    switch (record.kind) {
        case model::kKindDefault:
            return "default";
        case model::kKindDisabled:
            return "disable";
        case model::kKindKey:
            return keyName(static_cast<model::KeyCode>(record.value));
        case model::kKindLaunch:
            return "launch:" + utf8(text);
        case model::kKindMacro: {
            const model::MacroRecord *macro = macroById(macros, record.value);
            return "macro:" + (macro ? utf8(macro->nameView()) : std::string());
        }
        case model::kKindStopMacro:
            return "stop-macro";
        case model::kKindText:
            return "text:" + utf8(text);
        case model::kKindMedia:
            return record.value < model::kMediaList.size()
                       ? "media:" + keyName(model::kMediaList[record.value].keyCode)
                       : "media:";
        case model::kKindFunction:
            return "function:" + std::to_string(record.value + 1);
        default:
            return "unknown";
    }
}

}  // namespace cli
