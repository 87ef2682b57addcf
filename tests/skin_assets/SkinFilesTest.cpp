// The skin INI files beside the executable hold every key the windows read,
// each with a rectangle that puts its control inside the window.
#include <gtest/gtest.h>

#include <map>

#include "ShippedFiles.h"
#include "platform/Utf.h"
#include "ui/skin/layout/SkinRect.h"

namespace {

using shipped::requiredList;
using shipped::skinFolder;

skin::SkinRect rectOf(const std::string &file, const std::string &section, const std::string &key) {
    return skin::readSkinRect(skinFolder() / file, platform::fromUtf8(section),
                              platform::fromUtf8(key));
}

QSize windowSize(const std::string &iniFile) {
    return shipped::loadSkinPicture(shipped::iniValue(skinFolder() / iniFile, "SCREEN", "Main"))
        .size();
}

bool inside(const skin::SkinRect &r, const QSize &area) {
    return r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0 && r.x + r.w <= area.width() &&
           r.y + r.h <= area.height();
}

bool overlap(const skin::SkinRect &a, const skin::SkinRect &b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST(SkinFiles, EveryRequiredKeyHoldsARectangleInsideItsWindow) {
    const auto keys = requiredList("required_skin_keys.txt");
    ASSERT_GT(keys.size(), 250u);
    const QSize arrows = shipped::loadSkinPicture("Arrow.jpg").size();
    for (const auto &entry : keys) {
        ASSERT_EQ(entry.size(), 3u);
        const std::string &file = entry[0], &section = entry[1], &key = entry[2];
        SCOPED_TRACE(file + " [" + section + "] " + key);
        ASSERT_TRUE(shipped::hasIniKey(skinFolder() / file, section, key));
        if (section == "SCREEN") {
            EXPECT_FALSE(shipped::iniValue(skinFolder() / file, section, key).empty());
            continue;
        }
        const skin::SkinRect r = rectOf(file, section, key);
        // A control at (1, 1) is what a missing key gives; no real control sits there.
        EXPECT_FALSE(r.isAtMissingKeyPosition());
        EXPECT_TRUE(inside(r, section == "BUTTONINFO2" ? arrows : windowSize(file)))
            << r.x << "," << r.y << "," << r.w << "," << r.h;
    }
}

TEST(SkinFiles, ScreenSectionsNameLoadablePicturesAndAWebLink) {
    for (const char *file : {"Main.ini", "Composite.ini", "Profile.ini"}) {
        SCOPED_TRACE(file);
        for (const char *key : {"Main", "Mask"}) {
            const std::string picture = shipped::iniValue(skinFolder() / file, "SCREEN", key);
            EXPECT_FALSE(shipped::loadSkinPicture(picture).isNull()) << picture;
        }
    }
    const std::string link = shipped::iniValue(skinFolder() / "Main.ini", "SCREEN", "Link");
    EXPECT_EQ(link.rfind("https://", 0), 0u) << link;
}

TEST(SkinFiles, KeyboardViewHas114KeysThatDoNotOverlap) {
    std::map<std::string, skin::SkinRect> keys;
    for (const auto &entry : requiredList("required_skin_keys.txt")) {
        const std::string &key = entry[2];
        if (entry[0] == "Main.ini" && entry[1] == "BUTTONINFO" &&
            (key.rfind("KEY_", 0) == 0 || key.rfind("FUNC_G", 0) == 0))
            keys[key] = rectOf("Main.ini", "BUTTONINFO", key);
    }
    ASSERT_EQ(keys.size(), 104u + 9u + 1u);
    for (auto a = keys.begin(); a != keys.end(); ++a)
        for (auto b = std::next(a); b != keys.end(); ++b)
            EXPECT_FALSE(overlap(a->second, b->second)) << a->first << " overlaps " << b->first;
}

TEST(SkinFiles, MainWindowFitsASmallLaptopScreen) {
    const QSize size = windowSize("Main.ini");
    EXPECT_LE(size.width(), 1366);
    EXPECT_LE(size.height(), 728);  // 768 less a task bar
    EXPECT_GE(size.width(), 900);
}

}  // namespace
