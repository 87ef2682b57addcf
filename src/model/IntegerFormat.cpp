#include "IntegerFormat.h"

#include <cstdio>

namespace model {
namespace {

bool isFlagOrDigit(char16_t c) {
    return c == u'-' || c == u'+' || c == u' ' || c == u'#' || c == u'0' || c == u'.' ||
           (c >= u'1' && c <= u'9');
}

bool isIntegerConversion(char16_t c) {
    return c == u'd' || c == u'i' || c == u'u' || c == u'x' || c == u'X' || c == u'o';
}

// Formats one conversion "%[flags][width][.precision]c" made of ASCII only.
std::u16string formatOne(std::u16string_view conversion, unsigned value) {
    if (conversion.size() > 16) return std::u16string(conversion);
    char narrow[24] = {};
    for (std::size_t i = 0; i < conversion.size(); ++i)
        narrow[i] = static_cast<char>(conversion[i]);
    char out[160] = {};
    const int written = std::snprintf(out, sizeof out, narrow, value);
    if (written < 0) return std::u16string(conversion);
    std::u16string result;
    for (const char *p = out; *p != '\0'; ++p) result.push_back(static_cast<char16_t>(*p));
    return result;
}

}  // namespace

std::u16string formatWithInteger(std::u16string_view format, unsigned value) {
    std::u16string result;
    bool used = false;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != u'%') {
            result.push_back(format[i++]);
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == u'%') {
            result.push_back(u'%');
            i += 2;
            continue;
        }
        std::size_t end = i + 1;
        while (end < format.size() && isFlagOrDigit(format[end])) ++end;
        if (!used && end < format.size() && isIntegerConversion(format[end])) {
            result += formatOne(format.substr(i, end - i + 1), value);
            used = true;
            i = end + 1;
            continue;
        }
        result.push_back(format[i++]);
    }
    return result;
}

}  // namespace model
