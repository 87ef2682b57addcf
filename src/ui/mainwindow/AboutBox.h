// The about box: a small modeless window with the product text, the copyright
// line and the vendor address. Only one exists at a time; OK, Cancel and
// closing destroy it, after which it can be opened again. F1 opens the help page.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

class CHyperLink;
class QLabel;
class QPushButton;

class AboutBox : public QDialog {
    Q_OBJECT

public:
    // `openAddress` opens a web address; `openHelp` the help page.
    AboutBox(QWidget *owner, QString vendorLink, std::function<void(const QString &)> openAddress,
             std::function<void()> openHelp);

    // Sets every text for the language index.
    void relabel(int languageIndex);

    QString introText() const;
    QString copyrightText() const;
    QString okText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *intro_;
    QLabel *copyright_;
    CHyperLink *link_;
    QPushButton *ok_;
    std::function<void()> openHelp_;
};
