// skingen: draws every picture of the skin and writes the skin INI files and
// the lighting template into one folder. Usage: skingen OUTPUT_FOLDER [ICON_FOLDER]
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "SkinWriter.h"

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: skingen OUTPUT_FOLDER [ICON_FOLDER]\n");
        return 2;
    }
    skingen::SkinWriter writer(args.at(1), args.size() > 2 ? args.at(2) : args.at(1));
    if (!writer.writeAll()) {
        std::fprintf(stderr, "skingen: %s\n", qPrintable(writer.error()));
        return 1;
    }
    return 0;
}
