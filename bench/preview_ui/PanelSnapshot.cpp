// panel-snapshot <folder>: renders the main window's lighting panel in a mode
// of each control group, and the preview on the keys in modes 1, 10 and 20,
// to PNG files for review.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "PreviewStage.h"
#include "ui/skin/WindowSnapshot.h"

namespace {

constexpr int kPreviewTicks = 12;

struct Shot {
    const char *name;
    bool viewOn;
    int mode;
    int ticks;
};

constexpr Shot kShots[] = {
    {"panel-view-off", false, 1, 0},
    {"panel-mode1-direction-colour", true, 1, 0},
    {"panel-mode4-speed", true, 4, 0},
    {"panel-mode6-fixed-colour", true, 6, 0},
    {"panel-mode12-up-down", true, 12, 0},
    {"panel-mode17-presets", true, 17, 0},
    {"panel-mode18-spread", true, 18, 0},
    {"panel-mode20-user", true, 20, 0},
    {"preview-mode1", true, 1, kPreviewTicks},
    {"preview-mode10", true, 10, kPreviewTicks},
    {"preview-mode20", true, 20, kPreviewTicks},
};

bool take(previewui::PreviewStage &stage, const Shot &shot, const QString &folder) {
    stage.setLightingView(true);
    if (!stage.chooseMode(shot.mode)) return false;
    stage.setLightingView(shot.viewOn);
    for (int tick = 0; tick < shot.ticks; ++tick) stage.window().panel().previewTick();
    QApplication::processEvents();
    const QString file = folder + QStringLiteral("/%1.png").arg(QString::fromLatin1(shot.name));
    if (!skin::saveWindowSnapshot(stage.window(), file)) return false;
    std::printf("screenshots: %s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: panel-snapshot <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    previewui::PreviewStage stage;
    if (!stage.failure().empty()) {
        std::fprintf(stderr, "panel-snapshot: %s\n", stage.failure().c_str());
        return 1;
    }
    int failed = 0;
    for (const Shot &shot : kShots) {
        if (!take(stage, shot, folder)) {
            std::fprintf(stderr, "panel-snapshot: %s not taken\n", shot.name);
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
