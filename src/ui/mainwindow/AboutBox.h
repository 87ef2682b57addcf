// The about box: a small skinned, modeless window with the product text, the
// version, the copyright line and the vendor address. Only one exists at a
// time; OK, Escape and closing destroy it, after which it can be opened again.
// F1 opens the help page.
#pragma once

#include <QString>
#include <functional>

#include "ui/skin/CBaseDialog.h"

class CHyperLink;
class ColorStatic;
class CPngButton;

struct AboutBoxContext {
    QString skinFile;    // "About.ini"
    QString skinFolder;  // folder of its pictures
    QString vendorLink;
    std::function<void(const QString &)> openAddress;  // opens a web address
    std::function<void()> openHelp;                    // opens the help page
};

class AboutBox : public CBaseDialog {
    Q_OBJECT

public:
    static constexpr int kOk = 1, kTitle = 1301, kIntro = 1302, kVersion = 1303, kCopyright = 1304,
                         kLink = 1305;

    AboutBox(QWidget *owner, AboutBoxContext context);

    // Sets every text for the language index.
    void relabel(int languageIndex) override;

    QString introText() const;
    QString copyrightText() const;
    QString okText() const;
    QString versionText() const;

protected:
    void onInitDialog() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    AboutBoxContext context_;
    ColorStatic *title_;
    ColorStatic *intro_;
    ColorStatic *version_;
    ColorStatic *copyright_;
    CHyperLink *link_;
    CPngButton *ok_;
};
