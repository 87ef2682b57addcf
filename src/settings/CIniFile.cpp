#include "settings/CIniFile.h"

#include "platform/IniFile.h"

namespace app {

CIniFile::CIniFile(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<std::u16string> CIniFile::read(std::u16string_view section,
                                             std::u16string_view key) const {
    auto value = platform::readIniString(file_, section, key, u"", platform::kIniLongBuffer);
    if (value.empty()) return std::nullopt;
    return value;
}

bool CIniFile::write(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) {
    return platform::writeIniString(file_, section, key, value);
}

}  // namespace app
