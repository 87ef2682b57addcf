#include "ui/mainwindow/AboutBox.h"

#include <QKeyEvent>

#include "ui/mainwindow/ProductVersion.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/CaptionStyle.h"
#include "ui/skin/ColorStatic.h"
#include "ui/skin/DialogText.h"
#include "ui/skin/StatePicture.h"
#include "ui/widgets/CHyperLink.h"

namespace {

constexpr int kTitleHeight = 15;  // pixels
constexpr int kTextHeight = 13;

skin::ButtonPictures buttonPictures(const QString &folder, QSize clientSize) {
    static skin::StatePictureSet pictures;  // loaded once per process
    return skin::smallDialogButtonPictures(pictures, folder, QStringLiteral("About"), clientSize);
}

}  // namespace

AboutBox::AboutBox(QWidget *owner, AboutBoxContext context)
    : CBaseDialog(owner, context.skinFile, context.skinFolder), context_(std::move(context)) {
    setAttribute(Qt::WA_DeleteOnClose);
    title_ = addControl<ColorStatic>(kTitle, u"ABOUT_TITLE", kTitle);
    intro_ = addControl<ColorStatic>(kIntro, u"ABOUT_INTRO", kIntro);
    version_ = addControl<ColorStatic>(kVersion, u"ABOUT_VERSION", kVersion);
    copyright_ = addControl<ColorStatic>(kCopyright, u"ABOUT_COPYRIGHT", kCopyright);
    link_ = addControl<CHyperLink>(kLink, u"ABOUT_LINK");
    ok_ = addImageButton(kOk, u"CONTROL_OK", {});
    title_->setFontHeight(kTitleHeight);
    title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (ColorStatic *label : {intro_, version_, copyright_}) label->setFontHeight(kTextHeight);
    intro_->setWordWrap(true);
    version_->setText(productVersionText());
    link_->setText(context_.vendorLink);
    link_->setAddress(context_.vendorLink);
    link_->setOpener([open = context_.openAddress](const QString &address) {
        open(address);
        return true;
    });
    connect(this, &CBaseDialog::controlClicked, this, [this](int id) {
        if (id == kOk) close();
    });
}

void AboutBox::onInitDialog() {
    CBaseDialog::onInitDialog();
    ok_->setPictures(buttonPictures(imageFolder(), size()));
}

void AboutBox::relabel(int languageIndex) {
    setWindowTitle(skin::dialogText("LANG_ABOUT_TITLE", languageIndex));
    title_->setText(windowTitle());
    intro_->setText(skin::dialogText("GUANYU_JIESHAO", languageIndex));
    copyright_->setText(skin::dialogText("GUANYU_BANQUAN", languageIndex));
    ok_->setText(skin::dialogText("LANG_ABOUT_OK", languageIndex));
    ok_->setCaptionStyle(skin::windowButtonCaptionStyle());
}

QString AboutBox::introText() const {
    return intro_->text();
}
QString AboutBox::copyrightText() const {
    return copyright_->text();
}
QString AboutBox::okText() const {
    return ok_->text();
}
QString AboutBox::versionText() const {
    return version_->text();
}

void AboutBox::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_F1) {
        context_.openHelp();
        return;
    }
    // Escape closes (destroys) the box like Cancel.
    CBaseDialog::keyPressEvent(event);
}
