#include "settings/VendorLink.h"

#include "platform/IniFile.h"

namespace app {

std::u16string readVendorLink(const std::filesystem::path &mainSkinFile) {
    auto link =
        platform::readIniString(mainSkinFile, u"SCREEN", u"Link", u"", platform::kIniShortBuffer);
    return link.empty() ? std::u16string(kDefaultVendorLink) : link;
}

}  // namespace app
