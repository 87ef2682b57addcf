#include "ui/mainwindow/panel/PanelBitmaps.h"

#include "ui/mainwindow/panel/PanelRules.h"
#include "ui/skin/SkinPicture.h"

namespace panel {
namespace {

constexpr const char *kPanelFiles[] = {
    "dengup.bmp",    "dengdown.bmp",  "leftup.bmp",     "rightup.bmp",    "leftdown.bmp",
    "rightdown.bmp", "upup.bmp",      "downup.bmp",     "updown.bmp",     "downdown.bmp",
    "kuosan.bmp",    "julong.bmp",    "kuosandown.bmp", "julongdown.bmp", "sjsup.bmp",
    "sjsdown.bmp",   "hong.bmp",      "huang.bmp",      "lv.bmp",         "lan.bmp",
    "hongok.bmp",    "huangok.bmp",   "lvok.bmp",       "lanok.bmp",      "user1up.bmp",
    "user2up.bmp",   "user1down.bmp", "user2down.bmp",  "add.bmp",        "sub.bmp"};

}  // namespace

PanelBitmaps::PanelBitmaps(const QString &imageFolder) {
    for (const char *name : kPanelFiles) load(imageFolder, QString::fromLatin1(name));
    for (int number = 0; number < kSliderPictureCount; ++number) {
        load(imageFolder, sliderName(number));
    }
}

void PanelBitmaps::load(const QString &folder, const QString &name) {
    const QImage image = skin::loadSkinPicture(skin::skinFilePath(folder, name));
    if (!image.isNull()) pictures_.insert(name, QPixmap::fromImage(image));
}

QPixmap PanelBitmaps::get(std::string_view name) const {
    return pictures_.value(QString::fromLatin1(name.data(), qsizetype(name.size())));
}

QPixmap PanelBitmaps::slider(int number) const {
    return pictures_.value(sliderName(number));
}

QString PanelBitmaps::sliderName(int number) {
    return QStringLiteral("%1.bmp").arg(number);
}

}  // namespace panel
