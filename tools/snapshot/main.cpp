// varnel-snapshot: renders a skinned window offscreen to a PNG file, so the look of
// the skin can be reviewed without a display.
#include <QApplication>
#include <cstdio>

#include "SnapshotOptions.h"
#include "SnapshotWindow.h"
#include "ui/skin/WindowSnapshot.h"

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QString error;
    const auto options = snapshot::parseOptions(application.arguments().mid(1), error);
    if (!options) {
        std::fprintf(stderr, "varnel-snapshot: %s\n%s", qPrintable(error),
                     qPrintable(snapshot::usage()));
        return 2;
    }
    snapshot::SnapshotWindow window(*options);
    window.show();
    QApplication::processEvents();
    if (!skin::saveWindowSnapshot(window, options->outputFile)) {
        std::fprintf(stderr, "varnel-snapshot: cannot write %s\n", qPrintable(options->outputFile));
        return 1;
    }
    return 0;
}
