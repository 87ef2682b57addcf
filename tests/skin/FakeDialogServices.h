// Dialog services that answer as a test tells them and remember what was asked.
#pragma once

#include <optional>
#include <vector>

#include "ui/skin/DialogServices.h"

class FakeDialogServices : public skin::DialogServices {
public:
    FakeDialogServices() { skin::setDialogServices(this); }
    ~FakeDialogServices() override { skin::setDialogServices(nullptr); }

    skin::MessageAnswer showMessage(QWidget *, const QString &text, const QString &,
                                    skin::MessageButtons) override {
        messages.push_back(text);
        return answer;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override {
        return fileName;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         const QString &) override {
        return fileName;
    }
    std::optional<QColor> chooseColor(QWidget *, const QColor &initial) override {
        colorRequests.push_back(initial);
        return color;
    }

    skin::MessageAnswer answer = skin::MessageAnswer::No;
    QString fileName;
    std::optional<QColor> color;
    std::vector<QString> messages;
    std::vector<QColor> colorRequests;
};
