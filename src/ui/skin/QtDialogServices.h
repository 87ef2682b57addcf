// The dialog services shown to the user: Qt's message box, file and colour dialogs.
#pragma once

#include "ui/skin/DialogServices.h"

namespace skin {

class QtDialogServices final : public DialogServices {
public:
    MessageAnswer showMessage(QWidget *parent, const QString &text, const QString &title,
                              MessageButtons buttons) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter, const QString &defaultSuffix) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
};

}  // namespace skin
