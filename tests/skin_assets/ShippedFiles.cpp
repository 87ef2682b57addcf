#include "ShippedFiles.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/IniFile.h"
#include "platform/Utf.h"

namespace shipped {
namespace {

constexpr std::u16string_view kAbsent = u"\x01absent\x01";

}  // namespace

std::filesystem::path binFolder() {
    const char *folder = std::getenv("VARNEL_TEST_BIN_DIR");
    return folder ? std::filesystem::path(folder) : std::filesystem::current_path();
}

std::filesystem::path skinFolder() {
    return binFolder() / "Skins";
}

std::vector<std::vector<std::string>> requiredList(const std::string &fileName) {
    std::ifstream in(std::filesystem::path(VARNEL_REQUIRED_LISTS_DIR) / fileName);
    std::vector<std::vector<std::string>> entries;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') continue;
        std::istringstream fields(line);
        std::vector<std::string> entry;
        for (std::string field; fields >> field;) entry.push_back(field);
        if (!entry.empty()) entries.push_back(entry);
    }
    return entries;
}

bool hasIniKey(const std::filesystem::path &file, const std::string &section,
               const std::string &key) {
    return platform::readIniString(file, platform::fromUtf8(section), platform::fromUtf8(key),
                                   kAbsent) != kAbsent;
}

std::string iniValue(const std::filesystem::path &file, const std::string &section,
                     const std::string &key) {
    return platform::toUtf8(
        platform::readIniString(file, platform::fromUtf8(section), platform::fromUtf8(key), u""));
}

QImage loadSkinPicture(const std::string &fileName) {
    return QImage(QString::fromStdString((skinFolder() / fileName).string()));
}

}  // namespace shipped
