#include "IniDocument.h"

#include "TextFold.h"
#include "Utf.h"

namespace platform {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The name of a section line ("[ name ]" gives "name"), or nothing for other lines.
std::optional<std::string_view> sectionNameOf(std::string_view line) {
    const auto trimmed = trimBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    auto name = trimmed.substr(1);
    const auto close = name.find(']');
    if (close != std::string_view::npos) name = name.substr(0, close);
    return trimBlanks(name);
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLineOf(std::string_view line) {
    const auto trimmed = trimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return KeyLine{trimBlanks(trimmed.substr(0, equals)), trimBlanks(trimmed.substr(equals + 1))};
}

bool nameMatches(std::string_view utf8Name, std::u16string_view wanted) {
    // Plain ASCII names (nearly all of them) compare without decoding.
    if (utf8Name.size() == wanted.size()) {
        std::size_t i = 0;
        while (i < utf8Name.size() && static_cast<unsigned char>(utf8Name[i]) < 0x80 &&
               foldCase(static_cast<char16_t>(utf8Name[i])) == foldCase(wanted[i])) {
            ++i;
        }
        if (i == utf8Name.size()) return true;
        if (static_cast<unsigned char>(utf8Name[i]) < 0x80) return false;
    } else if (utf8Name.size() < wanted.size()) {
        return false;  // UTF-8 never needs fewer bytes than UTF-16 units
    }
    return equalsIgnoringCase(fromUtf8(utf8Name), wanted);
}

bool hasLineBreak(std::u16string_view text) {
    return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

// Names that would read back as something else, or split the line, are refused.
bool isUsableSection(std::u16string_view section) {
    return !hasLineBreak(section) && section.find(u']') == std::u16string_view::npos;
}

bool isUsableKey(std::string_view trimmedKey) {
    return !trimmedKey.empty() && trimmedKey.front() != ';' && trimmedKey.front() != '[' &&
           trimmedKey.find_first_of("=\r\n") == std::string_view::npos;
}

std::string utf16LeToUtf8(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return toUtf8(units);
}

std::string utf8ToUtf16Le(std::string_view text) {
    std::string bytes;
    for (const char16_t unit : fromUtf8(text)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// Adds a name unless one equal to it ignoring case is already listed.
void appendNewName(std::vector<std::u16string> &names, std::string_view utf8) {
    std::u16string wide = fromUtf8(utf8);
    for (const auto &known : names) {
        if (equalsIgnoringCase(known, wide)) return;
    }
    names.push_back(std::move(wide));
}

}  // namespace

IniDocument IniDocument::parse(std::string_view bytes) {
    IniDocument document;
    std::string decoded;
    if (bytes.starts_with(kUtf16LeBom)) {
        document.utf16_ = true;
        decoded = utf16LeToUtf8(bytes.substr(kUtf16LeBom.size()));
        bytes = decoded;
    } else if (bytes.starts_with(kUtf8Bom)) {
        document.utf8Bom_ = true;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    while (!bytes.empty()) {
        const auto newline = bytes.find('\n');
        auto text = bytes.substr(0, newline);
        std::string ending;
        if (newline != std::string_view::npos) {
            ending = "\n";
            if (text.ends_with('\r')) {
                text.remove_suffix(1);
                ending = "\r\n";
            }
            bytes.remove_prefix(newline + 1);
        } else {
            bytes = {};
        }
        document.lines_.push_back({std::string(text), std::move(ending)});
    }
    return document;
}

std::optional<IniDocument::Span> IniDocument::findSection(std::u16string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionNameOf(lines_[i].text);
        if (!name || !nameMatches(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionNameOf(lines_[end].text)) ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const Span &span, std::u16string_view key) const {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto line = keyLineOf(lines_[i].text);
        if (line && nameMatches(line->key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::find(std::u16string_view section,
                                                  std::u16string_view key) const {
    const auto span = findSection(section);
    if (!span) return std::nullopt;
    const auto index = findKey(*span, key);
    if (!index) return std::nullopt;
    return keyLineOf(lines_[*index].text)->value;
}

bool IniDocument::set(std::u16string_view section, std::u16string_view key,
                      std::string_view value) {
    const auto keyText = toUtf8(key);
    const auto trimmedKey = trimBlanks(keyText);
    if (!isUsableSection(section) || !isUsableKey(trimmedKey) ||
        value.find_first_of("\r\n") != std::string_view::npos) {
        return false;
    }
    const auto newLine = std::string(trimmedKey) + "=" + std::string(trimBlanks(value));
    auto span = findSection(section);
    if (!span) {
        if (!lines_.empty() && !trimBlanks(lines_.back().text).empty()) appendLine("");
        appendLine("[" + toUtf8(section) + "]");
        appendLine(newLine);
        return true;
    }
    if (const auto index = findKey(*span, key)) {
        lines_[*index].text = newLine;
        return true;
    }
    // After the section's last non-blank line, so blank separators stay before the next one.
    std::size_t insertAt = span->end;
    while (insertAt > span->header + 1 && trimBlanks(lines_[insertAt - 1].text).empty()) {
        --insertAt;
    }
    if (insertAt == lines_.size()) {
        appendLine(newLine);
    } else {
        if (lines_[insertAt - 1].ending.empty()) lines_[insertAt - 1].ending = defaultEnding();
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                      Line{newLine, defaultEnding()});
    }
    return true;
}

bool IniDocument::remove(std::u16string_view section, std::u16string_view key) {
    const auto span = findSection(section);
    if (!span) return true;
    if (const auto index = findKey(*span, key)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    }
    return true;
}

std::vector<std::u16string> IniDocument::sectionNames() const {
    std::vector<std::u16string> names;
    for (const auto &line : lines_) {
        const auto name = sectionNameOf(line.text);
        if (!name) continue;
        appendNewName(names, *name);
    }
    return names;
}

std::vector<std::u16string> IniDocument::keyNames(std::u16string_view section) const {
    std::vector<std::u16string> names;
    const auto span = findSection(section);
    if (!span) return names;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        const auto line = keyLineOf(lines_[i].text);
        if (!line || line->key.empty()) continue;
        appendNewName(names, line->key);
    }
    return names;
}

void IniDocument::appendLine(std::string text) {
    if (!lines_.empty() && lines_.back().ending.empty()) {
        // A carriage return ending the text stays its own: a plain newline after
        // it would read back as a CRLF line break and take it from the value.
        lines_.back().ending = lines_.back().text.ends_with('\r') ? "\r\n" : defaultEnding();
    }
    lines_.push_back({std::move(text), defaultEnding()});
}

// New lines take the line ending the file already uses (CRLF when its first line
// has one), otherwise a plain newline.
std::string IniDocument::defaultEnding() const {
    return !lines_.empty() && lines_.front().ending == "\r\n" ? "\r\n" : "\n";
}

std::string IniDocument::serialize() const {
    std::string text;
    if (utf8Bom_) text.append(kUtf8Bom);
    for (const auto &line : lines_) text.append(line.text).append(line.ending);
    if (!utf16_) return text;
    return std::string(kUtf16LeBom) + utf8ToUtf16Le(text);
}

}  // namespace platform
