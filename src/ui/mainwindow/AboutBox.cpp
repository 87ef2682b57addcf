#include "ui/mainwindow/AboutBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/skin/DialogText.h"
#include "ui/widgets/CHyperLink.h"

AboutBox::AboutBox(QWidget *owner, QString vendorLink,
                   std::function<void(const QString &)> openAddress, std::function<void()> openHelp)
    : QDialog(owner), openHelp_(std::move(openHelp)) {
    setAttribute(Qt::WA_DeleteOnClose);
    intro_ = new QLabel(this);
    copyright_ = new QLabel(this);
    link_ = new CHyperLink(this);
    ok_ = new QPushButton(this);
    intro_->setWordWrap(true);
    link_->setText(vendorLink);
    link_->setAddress(vendorLink);
    link_->setOpener([openAddress = std::move(openAddress)](const QString &address) {
        openAddress(address);
        return true;
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    for (QWidget *widget : {static_cast<QWidget *>(intro_), static_cast<QWidget *>(copyright_),
                            static_cast<QWidget *>(link_), static_cast<QWidget *>(ok_)}) {
        layout->addWidget(widget);
    }
    setMinimumWidth(360);
}

void AboutBox::relabel(int languageIndex) {
    setWindowTitle(skin::dialogText("LANG_ABOUT_TITLE", languageIndex));
    intro_->setText(skin::dialogText("GUANYU_JIESHAO", languageIndex));
    copyright_->setText(skin::dialogText("GUANYU_BANQUAN", languageIndex));
    ok_->setText(skin::dialogText("LANG_ABOUT_OK", languageIndex));
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

void AboutBox::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_F1) {
        openHelp_();
        return;
    }
    // Escape closes (destroys) the box like Cancel.
    QDialog::keyPressEvent(event);
}
