// The save dialog the windows show, driven as a user would: a name typed without
// its extension must meet the replace question for the file it will write.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "ui/skin/QtDialogServices.h"

namespace {

// Types `name` into the save dialog once, then answers every replace question.
class SaveDialogDriver {
public:
    SaveDialogDriver(QString name, QMessageBox::StandardButton answer)
        : name_(std::move(name)), answer_(answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        timer_.start(5);
    }

    QStringList questions;

private:
    void step() {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            questions << box->text();
            box->button(answer_)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (typed_) return dialog->reject();  // the question was refused: give up
            typed_ = true;
            dialog->selectFile(name_);
            // As the Save button does; queued, because a timer does not fire
            // again inside its own handler and the question runs a nested loop.
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    }

    QString name_;
    QMessageBox::StandardButton answer_;
    bool typed_ = false;
    QTimer timer_;
};

TEST(SaveDialog, ExtensionIsAddedBeforeTheReplaceQuestion) {
    ScratchFolder folder;
    const auto existing = folder.write("name.vrp", "keep");
    skin::QtDialogServices services;
    const QString filter = QStringLiteral("(*.vrp) (*.vrp);;(*.*) (*)");

    const QString start = QString::fromStdString(folder.path().string());
    {
        SaveDialogDriver refusing(QStringLiteral("name"), QMessageBox::No);
        EXPECT_TRUE(services.saveFileName(nullptr, QString(), start, filter, QStringLiteral("vrp"))
                        .isEmpty());
        ASSERT_EQ(refusing.questions.size(), 1);
        EXPECT_TRUE(refusing.questions[0].contains(QStringLiteral("name.vrp")));
    }
    {
        SaveDialogDriver agreeing(QStringLiteral("name"), QMessageBox::Yes);
        EXPECT_EQ(services.saveFileName(nullptr, QString(), start, filter, QStringLiteral("vrp")),
                  QString::fromStdString(existing.string()));
        EXPECT_EQ(agreeing.questions.size(), 1);
    }
    EXPECT_EQ(ScratchFolder::read(existing), "keep");
}

}  // namespace
