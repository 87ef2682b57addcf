#include "IniFile.h"

#include <climits>

#include "IniDocument.h"
#include "IniLoader.h"
#include "Utf.h"

namespace platform {
namespace {

// Cuts to at most bufferSize - 1 units without leaving half of a surrogate pair.
std::u16string cutToBuffer(std::u16string text, std::size_t bufferSize) {
    const std::size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
    if (text.size() <= limit) return text;
    std::size_t length = limit;
    if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
    text.resize(length);
    return text;
}

// Leading blanks, an optional sign, then decimal digits; saturates at the int range.
std::optional<int> parseLeadingInt(std::u16string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t')) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    long long magnitude = 0;
    bool anyDigit = false;
    for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos) {
        anyDigit = true;
        if (magnitude <= static_cast<long long>(INT_MAX) + 1)
            magnitude = magnitude * 10 + (text[pos] - u'0');
    }
    if (!anyDigit) return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// The text a read gives for a value as it is stored in the file (trimmed UTF-8):
// one matching pair of double or single quotes around the whole value is taken
// off, and the blanks inside the quotes stay.
std::u16string iniValueText(std::string_view stored) {
    std::u16string text = fromUtf8(stored);
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

}  // namespace

std::u16string readIniString(const std::filesystem::path &file, std::u16string_view section,
                             std::u16string_view key, std::u16string_view fallback,
                             std::size_t bufferSize) {
    return readIniString(*loadIniDocument(file), section, key, fallback, bufferSize);
}

std::u16string readIniString(const IniDocument &document, std::u16string_view section,
                             std::u16string_view key, std::u16string_view fallback,
                             std::size_t bufferSize) {
    const auto value = document.find(section, key);
    return cutToBuffer(value ? iniValueText(*value) : std::u16string(fallback), bufferSize);
}

int readIniInt(const std::filesystem::path &file, std::u16string_view section,
               std::u16string_view key, int fallback) {
    const auto text = readIniString(file, section, key, u"", kIniShortBuffer);
    if (text.empty()) return fallback;
    return parseLeadingInt(text).value_or(0);
}

bool writeIniString(const std::filesystem::path &file, std::u16string_view section,
                    std::u16string_view key, std::u16string_view value) {
    const auto utf8Value = toUtf8(value);
    return editIniDocument(
        file, [&](IniDocument &document) { return document.set(section, key, utf8Value); });
}

bool deleteIniKey(const std::filesystem::path &file, std::u16string_view section,
                  std::u16string_view key) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return !error;
    return editIniDocument(file,
                           [&](IniDocument &document) { return document.remove(section, key); });
}

}  // namespace platform
