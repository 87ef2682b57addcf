#include "cli/MacroText.h"

#include <charconv>
#include <sstream>
#include <vector>

#include "cli/ExitCode.h"
#include "cli/KeyNames.h"
#include "cli/Texts.h"
#include "model/MacroStepList.h"
#include "platform/Utf.h"

namespace cli {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> found;
    while (!(line = trimmed(line)).empty()) {
        const auto end = std::min(line.find_first_of(kBlanks), line.size());
        found.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return found;
}

std::optional<std::uint32_t> number(std::string_view text, std::uint32_t highest) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > highest)
        return std::nullopt;
    return value;
}

class MacroParser {
public:
    explicit MacroParser(std::string_view defaultName) {
        macro_.setName(platform::fromUtf8(defaultName));
        macro_.cycles = 1;
    }

    void line(std::string_view text) {
        ++lineNumber_;
        text = trimmed(text);
        if (text.empty() || text.front() == '#') return;
        if (setting(text, "name:")) return macro_.setName(platform::fromUtf8(value_));
        if (setting(text, "cycles:")) return cycles();
        step(words(text));
    }

    model::MacroRecord finish() {
        if (macro_.nameView().empty()) refuse("the macro has no name");
        return macro_;
    }

private:
    bool setting(std::string_view text, std::string_view key) {
        if (!sameName(text.substr(0, key.size()), key)) return false;
        value_ = std::string(trimmed(text.substr(key.size())));
        return true;
    }

    void cycles() {
        const auto value = number(value_, 255);
        if (!value || *value == 0) refuse("cycles must be 1..255");
        macro_.cycles = std::uint8_t(*value);
    }

    void step(const std::vector<std::string_view> &parts) {
        if (parts.size() < 3) refuse("a step is KEY down|up DELAY");
        std::string name(parts.front());
        for (std::size_t i = 1; i + 2 < parts.size(); ++i) name += " " + std::string(parts[i]);
        const auto key = pressableKeyByName(name);
        if (!key) refuse("unknown key \"" + name + "\"");
        const std::string_view direction = parts[parts.size() - 2];
        if (direction != "down" && direction != "up") refuse("the direction is down or up");
        const auto delay = number(parts.back(), model::kMaxHandWaitMs);
        if (!delay) refuse("the delay is 0.." + std::to_string(model::kMaxHandWaitMs) + " ms");
        if (macro_.actionCount == model::kMaxMacroActions)
            refuse("a macro has at most " + std::to_string(model::kMaxMacroActions) + " steps");
        macro_.actions[macro_.actionCount++] = {*delay, *key,
                                                std::uint16_t(direction == "up" ? 1 : 0)};
    }

    [[noreturn]] void refuse(const std::string &what) const {
        fail(ExitCode::FileError, "line " + std::to_string(lineNumber_) + ": " + what);
    }

    model::MacroRecord macro_{};
    std::string value_;
    int lineNumber_ = 0;
};

}  // namespace

std::string directionName(std::uint16_t direction) {
    return direction == 0 ? "down" : "up";
}

std::string formatMacroText(const model::MacroRecord &macro) {
    std::ostringstream text;
    text << "name: " << utf8(macro.nameView()) << "\ncycles: " << int(macro.cycles) << '\n';
    for (std::size_t i = 0; i < macro.validActionCount(); ++i) {
        const model::MacroAction &step = macro.actions[i];
        text << keyName(step.key) << ' ' << directionName(step.direction) << ' ' << step.wait
             << '\n';
    }
    return text.str();
}

model::MacroRecord parseMacroText(std::string_view text, std::string_view defaultName) {
    MacroParser parser(defaultName);
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        parser.line(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return parser.finish();
}

}  // namespace cli
