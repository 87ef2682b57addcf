// Command line of varnel-snapshot.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "ui/skin/CPngButton.h"

namespace snapshot {

struct ButtonRequest {
    QString key;
    CPngButton::Look look = CPngButton::Look::Normal;
};

struct TextRequest {
    QString key;      // skin key placing the control
    QString section;  // language file section
    QString textKey;  // language text key
};

struct Options {
    QString skinFile;
    QString outputFile;
    QStringList pictures;   // normal, over, down, disabled, selected (skin-relative)
    QString buttonPattern;  // every BUTTONINFO key matching it becomes an image button
    std::vector<ButtonRequest> buttons;
    std::vector<TextRequest> captions;
    std::vector<TextRequest> labels;
};

// Parses the arguments after the program name; nothing (and `error` set) when they
// are not usable.
std::optional<Options> parseOptions(const QStringList &arguments, QString &error);

QString usage();

}  // namespace snapshot
