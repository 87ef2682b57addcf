// Message boxes, file dialogs and the colour dialog behind one small interface, so
// tests can answer them. The windows ask `dialogServices()`; by default that is the
// Qt implementation, and a test installs its own with `setDialogServices`.
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace skin {

enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class DialogServices {
public:
    virtual ~DialogServices() = default;

    // A notice (OK only), a question (Yes and No, No being the default) or a
    // confirmation (OK and Cancel).
    virtual MessageAnswer showMessage(QWidget *parent, const QString &text, const QString &title,
                                      MessageButtons buttons) = 0;
    // The chosen file, or the empty text when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter) = 0;
    // A typed name without an extension gets `defaultSuffix` before the dialog
    // asks whether to replace an existing file, so the question is about the
    // file that will really be written.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &filter, const QString &defaultSuffix) = 0;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;
};

// The services in use.
DialogServices &dialogServices();
// Installs other services (not owned); nullptr restores the Qt dialogs.
void setDialogServices(DialogServices *services);

}  // namespace skin
