#include "SnapshotWindow.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "platform/IniLoader.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/ColorStatic.h"
#include "ui/skin/SkinPath.h"
#include "ui/skin/SkinPicture.h"
#include "ui/skin/layout/LanguageText.h"
#include "ui/skin/layout/SkinRect.h"

namespace snapshot {
namespace {

QString languageText(const TextRequest &request) {
    return QString::fromStdU16String(skin::lookupSectionText(request.section.toStdU16String(),
                                                             request.textKey.toStdU16String(), 0));
}

void showLook(CPngButton &button, CPngButton::Look look) {
    using Look = CPngButton::Look;
    if (look == Look::Disabled) button.setEnabled(false);
    if (look == Look::Selected) button.setSelected(true);
    if (look == Look::Down) button.setDown(true);
    if (look == Look::Over) {
        // The over look follows the pointer; show it by giving the over picture as normal.
        skin::ButtonPictures pictures = button.pictures();
        pictures.normal = pictures.over;
        button.setPictures(pictures);
    }
}

}  // namespace

SnapshotWindow::SnapshotWindow(const Options &options)
    : CBaseDialog(nullptr, options.skinFile, QFileInfo(options.skinFile).absolutePath()),
      options_(options) {}

skin::ButtonPictures SnapshotWindow::loadButtonPictures() const {
    if (options_.pictures.isEmpty()) {
        return skin::ButtonPictures::single(skin::renderStatePicture(background(), size()));
    }
    skin::StatePictureSet set;
    const auto &states = set.ensureRendered(imageFolder(), options_.pictures, size());
    return {states[0], states[1], states[2], states[3], states[4]};
}

QStringList SnapshotWindow::buttonKeys() const {
    QStringList keys;
    if (!options_.buttonPattern.isEmpty()) {
        const QRegularExpression pattern(options_.buttonPattern);
        const auto document = platform::loadIniDocument(skin::toPath(skinIniPath()));
        for (const std::u16string &name : document->keyNames(skin::kButtonInfoSection)) {
            const QString key = QString::fromStdU16String(name);
            if (pattern.match(key).hasMatch()) keys << key;
        }
    }
    for (const ButtonRequest &request : options_.buttons) keys << request.key;
    for (const TextRequest &caption : options_.captions) keys << caption.key;
    keys.removeDuplicates();
    return keys;
}

CPngButton *SnapshotWindow::placeButton(const QString &key, const skin::ButtonPictures &pictures) {
    CPngButton *button = addImageButton(nextId_++, key.toStdU16String(), pictures);
    button->show();
    return button;
}

void SnapshotWindow::placeLabel(const TextRequest &label) {
    const int id = nextId_++;
    auto *control = addControl<ColorStatic>(id, label.key.toStdU16String(), id);
    control->setText(languageText(label));
    control->setFontHeight(std::clamp(control->height() - 4, 10, 14));
    control->show();
}

void SnapshotWindow::onInitDialog() {
    CBaseDialog::onInitDialog();
    const skin::ButtonPictures pictures = loadButtonPictures();
    QHash<QString, CPngButton *> placed;
    for (const QString &key : buttonKeys()) placed.insert(key, placeButton(key, pictures));
    for (const ButtonRequest &request : options_.buttons) {
        showLook(*placed.value(request.key), request.look);
    }
    for (const TextRequest &caption : options_.captions) {
        CPngButton *button = placed.value(caption.key);
        button->setText(languageText(caption));
        button->setCaptionStyle(skin::windowButtonCaptionStyle());
    }
    for (const TextRequest &label : options_.labels) placeLabel(label);
}

}  // namespace snapshot
