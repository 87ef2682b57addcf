#include "ui/skin/QtDialogServices.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace skin {

MessageAnswer QtDialogServices::showMessage(QWidget *parent, const QString &text,
                                            const QString &title, MessageButtons buttons) {
    if (buttons == MessageButtons::Ok) {
        QMessageBox::information(parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
        return MessageAnswer::Ok;
    }
    if (buttons == MessageButtons::OkCancel) {
        const QMessageBox::StandardButton answer = QMessageBox::warning(
            parent, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        return answer == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    const QMessageBox::StandardButton answer = QMessageBox::question(
        parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtDialogServices::openFileName(QWidget *parent, const QString &title, const QString &folder,
                                       const QString &filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtDialogServices::saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                       const QString &filter, const QString &defaultSuffix) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

std::optional<QColor> QtDialogServices::chooseColor(QWidget *parent, const QColor &initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

}  // namespace skin
