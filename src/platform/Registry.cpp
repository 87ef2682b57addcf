#include "Registry.h"

#include <cstdio>

#include "Folders.h"
#include "IniDocument.h"
#include "IniLoader.h"
#include "Utf.h"

// The store is an INI file: one section per key path, one line per value, the
// value's type written before its data:
//   [Software\Bramwel_09A]
//   dwLanguageId=dword:0x00000409
//   Flip=sz:"0"
// String data is quoted and escaped so blanks, quotes and line breaks survive.

namespace platform {
namespace {

constexpr std::string_view kDwordTag = "dword:";
constexpr std::string_view kStringTag = "sz:";

// "\\Software\\\\Bramwel_09A\\" gives "Software\\Bramwel_09A".
std::u16string normaliseKeyPath(std::u16string_view keyPath) {
    std::u16string path;
    for (const char16_t unit : keyPath) {
        if (unit == u'\\' && (path.empty() || path.back() == u'\\')) continue;
        path.push_back(unit);
    }
    if (!path.empty() && path.back() == u'\\') path.pop_back();
    return path;
}

std::string escapeString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out.push_back(c);
        }
    }
    return out + "\"";
}

std::optional<std::string> unescapeString(std::string_view quoted) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return std::nullopt;
    quoted = quoted.substr(1, quoted.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] != '\\') {
            out.push_back(quoted[i]);
            continue;
        }
        if (++i == quoted.size()) return std::nullopt;
        switch (quoted[i]) {
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            default:
                out.push_back(quoted[i]);
        }
    }
    return out;
}

std::optional<std::uint32_t> parseDword(std::string_view data) {
    if (!data.starts_with("0x") || data.size() < 3 || data.size() > 10) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : data.substr(2)) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

}  // namespace

Registry::Registry(std::filesystem::path storeFile) : storeFile_(std::move(storeFile)) {}

std::filesystem::path Registry::defaultStoreFile() {
    return configHome() / kProductFolderName / "registry.ini";
}

RegistryType Registry::typeOf(std::u16string_view keyPath, std::u16string_view name) const {
    if (readDword(keyPath, name)) return RegistryType::Dword;
    if (readString(keyPath, name)) return RegistryType::String;
    return RegistryType::None;
}

std::optional<std::uint32_t> Registry::readDword(std::u16string_view keyPath,
                                                 std::u16string_view name) const {
    const auto store = loadIniDocument(storeFile_);
    const auto data = store->find(normaliseKeyPath(keyPath), name);
    if (!data || !data->starts_with(kDwordTag)) return std::nullopt;
    return parseDword(data->substr(kDwordTag.size()));
}

std::optional<std::u16string> Registry::readString(std::u16string_view keyPath,
                                                   std::u16string_view name) const {
    const auto store = loadIniDocument(storeFile_);
    const auto data = store->find(normaliseKeyPath(keyPath), name);
    if (!data || !data->starts_with(kStringTag)) return std::nullopt;
    const auto text = unescapeString(data->substr(kStringTag.size()));
    if (!text) return std::nullopt;
    return fromUtf8(*text);
}

bool Registry::writeDword(std::u16string_view keyPath, std::u16string_view name,
                          std::uint32_t value) {
    char data[16];
    std::snprintf(data, sizeof data, "0x%08X", value);
    return writeData(keyPath, name, std::string(kDwordTag) + data);
}

bool Registry::writeString(std::u16string_view keyPath, std::u16string_view name,
                           std::u16string_view value) {
    return writeData(keyPath, name, std::string(kStringTag) + escapeString(toUtf8(value)));
}

bool Registry::writeData(std::u16string_view keyPath, std::u16string_view name,
                         const std::string &data) {
    const auto path = normaliseKeyPath(keyPath);
    if (path.empty() || name.empty()) return false;
    return editIniDocument(storeFile_, [&](IniDocument &store) {
        if (!store.set(path, name, data)) return false;
        std::error_code error;
        std::filesystem::create_directories(storeFile_.parent_path(), error);
        return !error;
    });
}

}  // namespace platform
