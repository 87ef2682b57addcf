// The generated skin beside the executable builds every skinned window: background,
// shape, state pictures, and the image buttons the windows place.
#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>

#include "ui/skin/CBaseDialog.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/SkinPlacement.h"
#include "ui/skin/StatePicture.h"

namespace {

struct SkinWindow {
    const char *ini;
    QStringList pictures;  // normal, over, down, disabled, selected
    QStringList buttons;
};

QString skinFolder() {
    const char *binDir = std::getenv("VARNEL_TEST_BIN_DIR");
    return binDir ? QString::fromUtf8(binDir) + QStringLiteral("/Skins") : QString();
}

QStringList mainWindowButtons() {
    QStringList keys{"CONTROL_OK",    "CONTROL_CANCEL", "CONTROL2_APPLY",   "CONTROL_CLOSE",
                     "CONTROL_HELP",  "CONTROL_MENU",   "CONTROL_MINIMIZE", "FLIP_1",
                     "FLIP_2",        "FUNC_DEFAULT",   "FUNC_MACRO",       "FUNC_PROFILE1",
                     "FUNC_PROFILES", "FUNC_REPORT1",   "FUNC_REPORT4",     "KEY_FN",
                     "LOCK_AB",       "KEY_01E",        "KEY_09D"};
    for (int g = 1; g <= 9; ++g) keys << QStringLiteral("FUNC_G%1").arg(g);
    return keys;
}

const SkinWindow kWindows[] = {
    {"Main.ini",
     {"main_normal.jpg", "main_over.jpg", "main_down.jpg", "main_normal.jpg", "main_disable.jpg"},
     mainWindowButtons()},
    {"Composite.ini",
     {"key_normal.jpg", "key_over.jpg", "key_down.jpg", "key_normal.jpg", "key_normal.jpg"},
     {"CONTROL_OK", "CONTROL_CANCEL", "CONTROL_KEY", "CONTROL_MACRO", "CONTROL_MEDIA",
      "CONTROL_FUNCTION", "CONTROL_MASK", "CONTROL_TITLE", "FUNC_MACRO_RECORD"}},
    {"Profile.ini",
     {"Profile_normal.jpg", "Profile_over.jpg", "Profile_down.jpg", "Profile_down.jpg",
      "Profile_normal.jpg"},
     {"CONTROL_OK", "CONTROL_CANCEL", "FUNC_ADD", "FUNC_LOAD", "FUNC_DELETE", "CONTROL2_APPLY"}},
};

}  // namespace

TEST(RealSkin, EveryWindowBuildsFromTheGeneratedSkin) {
    const QString skins = skinFolder();
    if (skins.isEmpty() || !QFile::exists(skins + QStringLiteral("/Main.ini"))) {
        GTEST_SKIP() << "no generated skin beside the executables";
    }
    for (const SkinWindow &window : kWindows) {
        SCOPED_TRACE(window.ini);
        const QString ini = skins + QLatin1Char('/') + QLatin1String(window.ini);
        CBaseDialog dialog(nullptr, ini, skins);
        dialog.applySkin();
        EXPECT_LE(dialog.width(), 1366);
        EXPECT_LE(dialog.height(), 768);
        EXPECT_FALSE(dialog.windowShape().isEmpty());
        EXPECT_TRUE(dialog.windowShape().contains(dialog.rect().center()));

        skin::StatePictureSet states;
        const auto &pictures = states.ensureRendered(skins, window.pictures, dialog.size());
        const skin::ButtonPictures five{pictures[0], pictures[1], pictures[2], pictures[3],
                                        pictures[4]};
        for (const QString &key : window.buttons) {
            CPngButton button(0, &dialog);
            skin::placeImageButton(button, ini, skin::kButtonInfoSection, key.toStdU16String(),
                                   five);
            EXPECT_TRUE(button.isEnabled()) << key.toStdString();
            EXPECT_TRUE(dialog.rect().contains(button.geometry())) << key.toStdString();
            // The picture part a button shows comes from its state pictures.
            const QRect source(button.pictureOffset() - QPoint(1, 1), button.size());
            EXPECT_TRUE(pictures[0]->rect().intersects(source)) << key.toStdString();
        }
    }
}
