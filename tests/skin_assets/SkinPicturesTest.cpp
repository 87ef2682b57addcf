// The pictures of the skin load, match their windows, and show visibly
// different looks for the states a button can be in.
#include <gtest/gtest.h>

#include <QColor>
#include <cmath>

#include "ShippedFiles.h"
#include "platform/Utf.h"
#include "ui/skin/layout/SkinRect.h"

namespace {

using shipped::loadSkinPicture;
using shipped::requiredList;
using shipped::skinFolder;

std::vector<std::pair<std::string, skin::SkinRect>> buttonRects(const std::string &iniFile,
                                                                const std::string &prefix) {
    std::vector<std::pair<std::string, skin::SkinRect>> out;
    for (const auto &entry : requiredList("required_skin_keys.txt")) {
        if (entry[0] != iniFile || entry[1] != "BUTTONINFO" || entry[2].rfind(prefix, 0) != 0)
            continue;
        out.emplace_back(entry[2], skin::readSkinRect(skinFolder() / iniFile, u"BUTTONINFO",
                                                      platform::fromUtf8(entry[2])));
    }
    return out;
}

// The mean difference of the red, green and blue values of two pictures over
// the part a button shows: its rectangle moved one pixel up and left.
double meanDifference(const QImage &a, const QImage &b, const skin::SkinRect &r) {
    double total = 0;
    for (int y = r.y - 1; y < r.y - 1 + r.h; ++y)
        for (int x = r.x - 1; x < r.x - 1 + r.w; ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            total += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                     std::abs(p.blue() - q.blue());
        }
    return total / (3.0 * r.w * r.h);
}

TEST(SkinPictures, EveryRequiredPictureLoads) {
    const auto pictures = requiredList("required_pictures.txt");
    ASSERT_GT(pictures.size(), 90u);
    for (const auto &entry : pictures) {
        const QImage image = loadSkinPicture(entry[0]);
        EXPECT_FALSE(image.isNull()) << entry[0];
        EXPECT_GT(image.width() * image.height(), 16) << entry[0];
    }
}

TEST(SkinPictures, StatePicturesHaveTheSizeOfTheirWindow) {
    const struct {
        const char *ini;
        std::vector<const char *> pictures;
    } windows[] = {
        {"Main.ini",
         {"main_normal.jpg", "main_over.jpg", "main_down.jpg", "main_disable.jpg",
          "main_color0.jpg", "main_color1.jpg"}},
        {"Composite.ini",
         {"key_normal.jpg", "key_over.jpg", "key_down.jpg", "macro_normal.jpg", "macro_disable.jpg",
          "macro2_normal.jpg", "macro2_disable.jpg", "media_normal.jpg", "function_down.jpg"}},
        {"Profile.ini", {"Profile_normal.jpg", "Profile_over.jpg", "Profile_down.jpg"}},
    };
    for (const auto &window : windows) {
        const auto folder = skinFolder() / window.ini;
        const QSize size = loadSkinPicture(shipped::iniValue(folder, "SCREEN", "Main")).size();
        EXPECT_EQ(loadSkinPicture(shipped::iniValue(folder, "SCREEN", "Mask")).size(), size)
            << window.ini;
        for (const char *picture : window.pictures)
            EXPECT_EQ(loadSkinPicture(picture).size(), size) << picture;
    }
}

TEST(SkinPictures, KeysLookDifferentWhenHoveredPressedOrAssigned) {
    const QImage normal = loadSkinPicture("main_normal.jpg");
    const QImage lookOf[] = {loadSkinPicture("main_over.jpg"), loadSkinPicture("main_down.jpg"),
                             loadSkinPicture("main_disable.jpg")};
    const auto keys = buttonRects("Main.ini", "KEY_");
    ASSERT_EQ(keys.size(), 105u);
    for (const auto &[name, rect] : keys)
        for (const QImage &look : lookOf)
            EXPECT_GT(meanDifference(normal, look, rect), 6.0) << name;
}

TEST(SkinPictures, ProfileButtonsShowHoverAndPress) {
    const QImage normal = loadSkinPicture("Profile_normal.jpg");
    const QImage over = loadSkinPicture("Profile_over.jpg");
    const QImage down = loadSkinPicture("Profile_down.jpg");
    for (const char *prefix : {"FUNC_", "CONTROL"}) {
        for (const auto &[name, rect] : buttonRects("Profile.ini", prefix)) {
            EXPECT_GT(meanDifference(normal, over, rect), 3.0) << name;
            EXPECT_GT(meanDifference(normal, down, rect), 3.0) << name;
        }
    }
}

TEST(SkinPictures, MasksKeepEveryControlInsideTheWindowShape) {
    for (const char *ini : {"Main.ini", "Composite.ini", "Profile.ini"}) {
        const QImage mask =
            loadSkinPicture(shipped::iniValue(skinFolder() / ini, "SCREEN", "Mask"));
        ASSERT_FALSE(mask.isNull()) << ini;
        // Rounded corners: the corner pixel lies outside the shape.
        EXPECT_EQ(mask.pixel(0, 0), qRgb(255, 255, 255)) << ini;
        for (const auto &[name, rect] : buttonRects(ini, "")) {
            const QRgb centre = mask.pixel(rect.x + rect.w / 2, rect.y + rect.h / 2);
            EXPECT_NE(centre, qRgb(255, 255, 255)) << ini << " " << name;
        }
    }
}

// A picture control shows its bitmap at the bitmap's own size, so each bitmap
// must have the size the skin gives its control, or it is cut off or leaves a gap.
TEST(SkinPictures, PanelBitmapsHaveTheSizeOfTheirControls) {
    std::vector<std::pair<std::string, std::vector<std::string>>> uses = {
        {"CONTROL_DengStaPic", {"dengup.bmp", "dengdown.bmp"}},
        {"CONTROL_HXsjsStaPic", {"sjsup.bmp", "sjsdown.bmp"}},
        {"CONTROL_FYSJSStaPic", {"sjsup.bmp", "sjsdown.bmp"}},
        {"CONTROL_Add", {"add.bmp"}},
        {"CONTROL_Sub", {"sub.bmp"}},
        {"CONTROL_Add2", {"add.bmp"}},
        {"CONTROL_Sub2", {"sub.bmp"}},
        {"CONTROL_USERgjStaPic1", {"user1up.bmp", "user1down.bmp"}},
        {"CONTROL_USERgjStaPic2", {"user2up.bmp", "user2down.bmp"}},
        {"CONTROL_HONGPIC", {"hong.bmp", "hongok.bmp"}},
        {"CONTROL_HUANGPIC", {"huang.bmp", "huangok.bmp"}},
        {"CONTROL_LVPIC", {"lv.bmp", "lvok.bmp"}},
        {"CONTROL_LANPIC", {"lan.bmp", "lanok.bmp"}},
    };
    const std::vector<std::string> directions = {
        "leftup.bmp", "leftdown.bmp",   "rightup.bmp", "rightdown.bmp",
        "upup.bmp",   "updown.bmp",     "downup.bmp",  "downdown.bmp",
        "kuosan.bmp", "kuosandown.bmp", "julong.bmp",  "julongdown.bmp"};
    for (const char *suffix : {"", "2", "3"}) {
        uses.push_back({std::string("CONTROL_BLFXLStaPic") + suffix, directions});
        uses.push_back({std::string("CONTROL_BLFXRStaPic") + suffix, directions});
    }
    std::vector<std::string> sliders, frames;
    for (int n = 0; n <= 25; ++n) sliders.push_back(std::to_string(n) + ".bmp");
    for (int n = 1; n <= 10; ++n) frames.push_back("jdt" + std::to_string(n) + ".bmp");
    uses.push_back({"CONTROL_LightSlider", sliders});
    uses.push_back({"CONTROL_SpeedSlider", sliders});
    uses.push_back({"CONTROL_JDTStatic", frames});

    for (const auto &[control, pictures] : uses) {
        const skin::SkinRect r = skin::readSkinRect(skinFolder() / "Main.ini", u"BUTTONINFO",
                                                    platform::fromUtf8(control));
        for (const std::string &picture : pictures)
            EXPECT_EQ(loadSkinPicture(picture).size(), QSize(r.w, r.h))
                << control << " shows " << picture;
    }
}

TEST(SkinPictures, ArrowCellsShowDifferentArrowsForBothSwitchStates) {
    const QImage arrows = loadSkinPicture("Arrow.jpg");
    const auto cell = [](const char *key) {
        return skin::readSkinRect(skinFolder() / "Main.ini", u"BUTTONINFO2",
                                  platform::fromUtf8(key));
    };
    const auto cellImage = [&](const char *key) {
        const skin::SkinRect r = cell(key);
        return arrows.copy(r.x - 1, r.y - 1, r.w, r.h);
    };
    EXPECT_NE(cellImage("UP_ARROW_LEFT1"), cellImage("DOWN_ARROW_LEFT1"));
    EXPECT_NE(cellImage("UP_ARROW_RIGHT1"), cellImage("DOWN_ARROW_RIGHT1"));
    EXPECT_EQ(cell("LEFT_ARROW"), cell("DOWN_ARROW_LEFT1"));  // the switch starts off
    EXPECT_EQ(cell("RIGHT_ARROW"), cell("DOWN_ARROW_RIGHT1"));
}

}  // namespace
