#include "SkinWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Icons.h"
#include "PanelBitmaps.h"
#include "SkinIniWriter.h"
#include "UserModeTemplate.h"

namespace skingen {
namespace {

constexpr int kJpegQuality = 97;  // high enough that key legends stay crisp

const ButtonFilter kEveryButton = [](const ImageButton &) { return true; };

bool isMacroPageButton(const ImageButton &b) {
    return b.key.startsWith("FUNC_MACRO_");
}

// The buttons the macro-only dialog takes from the disabled-macro set, which
// hides them.
bool isHiddenInMacroOnly(const ImageButton &b) {
    return b.key == "CONTROL_KEY" || b.key == "CONTROL_MEDIA" || b.key == "CONTROL_FUNCTION" ||
           b.key == "CONTROL_CLEAR";
}

struct CompositeSet {
    const char *prefix;
    Page page;
    bool macroOnly;
};

struct StateFile {
    State state;
    const char *suffix;
};

constexpr StateFile kButtonStates[] = {{State::Normal, "normal"},
                                       {State::Over, "over"},
                                       {State::Down, "down"},
                                       {State::Disable, "disable"}};

}  // namespace

SkinWriter::SkinWriter(QString skinFolder, QString iconFolder)
    : skinFolder_(std::move(skinFolder)), iconFolder_(std::move(iconFolder)) {}

bool SkinWriter::writeAll() {
    if (!QDir().mkpath(skinFolder_) || !QDir().mkpath(iconFolder_))
        return fail("cannot create the folder " + skinFolder_);
    return writeMainWindow() && writeCompositeDialog() && writeProfileDialog() && writeAboutBox() &&
           writeIcons() && writeUserModeTemplate();
}

bool SkinWriter::writeMainWindow() {
    const WindowLayout layout = mainWindowLayout();
    const QImage background = paintBackground(layout);
    const StateFile states[] = {{State::Normal, "normal"}, {State::Over, "over"},
                                {State::Down, "down"},     {State::Disable, "disable"},
                                {State::Color0, "color0"}, {State::Color1, "color1"}};
    for (const StateFile &file : states) {
        const QImage picture = paintStatePicture(layout, file.state, background, kEveryButton);
        if (!saveImage(picture, QStringLiteral("main_%1.jpg").arg(file.suffix))) return false;
    }
    if (!saveImage(paintMask(layout), layout.mask)) return false;
    if (!saveImage(arrowPicture(layout, background), "Arrow.jpg")) return false;
    std::vector<NamedPicture> pictures = lightingPanelPictures(layout, background);
    for (auto &more : {sliderPictures(layout, background), busyFrames(layout, background)})
        pictures.insert(pictures.end(), more.begin(), more.end());
    for (const NamedPicture &picture : pictures)
        if (!saveImage(picture.image, picture.fileName)) return false;
    return saveText(skinIniText(layout), layout.iniName);
}

bool SkinWriter::writeCompositeDialog() {
    const WindowLayout layout = compositeDialogLayout();
    const CompositeSet sets[] = {{"key", Page::Key, false},
                                 {"macro", Page::Macro, false},
                                 {"macro2", Page::Macro, true},
                                 {"media", Page::Media, false},
                                 {"function", Page::Function, false}};
    for (const CompositeSet &set : sets) {
        const QImage background = paintCompositeBackground(layout, set.page);
        const ButtonFilter filter = [&set](const ImageButton &b) {
            if (isMacroPageButton(b)) return set.page == Page::Macro;
            return !(set.macroOnly && isHiddenInMacroOnly(b));
        };
        for (const StateFile &file : kButtonStates) {
            const QImage picture = paintStatePicture(layout, file.state, background, filter);
            if (!saveImage(picture, QStringLiteral("%1_%2.jpg").arg(set.prefix, file.suffix)))
                return false;
            if (set.page == Page::Key && file.state == State::Normal &&
                !saveImage(picture, layout.background))
                return false;
        }
    }
    return saveImage(paintMask(layout), layout.mask) &&
           saveText(skinIniText(layout), layout.iniName);
}

bool SkinWriter::writeProfileDialog() {
    return writeSmallDialog(profileDialogLayout(), QStringLiteral("Profile"));
}

bool SkinWriter::writeAboutBox() {
    return writeSmallDialog(aboutBoxLayout(), QStringLiteral("About"));
}

// A dialog with one set of button pictures, "<prefix>_normal.jpg", "_over" and
// "_down". These dialogs show their "down" picture for disabled buttons too, so
// that picture is drawn dimmed: a disabled Apply must read as unavailable.
bool SkinWriter::writeSmallDialog(const WindowLayout &layout, const QString &prefix) {
    const QImage background = paintBackground(layout);
    for (const StateFile &file : kButtonStates) {
        if (file.state == State::Disable) continue;
        const State drawn = file.state == State::Down ? State::Disable : file.state;
        const QImage picture = paintStatePicture(layout, drawn, background, kEveryButton);
        if (!saveImage(picture, QStringLiteral("%1_%2.jpg").arg(prefix, file.suffix))) return false;
        if (file.state == State::Normal && !saveImage(picture, layout.background)) return false;
    }
    return saveImage(paintMask(layout), layout.mask) &&
           saveText(skinIniText(layout), layout.iniName);
}

bool SkinWriter::writeIcons() {
    for (IconKind kind :
         {IconKind::NoKeyboard, IconKind::KeyboardPresent, IconKind::KeyboardBusy}) {
        const QString name = QStringLiteral("icon%1.png").arg(static_cast<int>(kind));
        if (!saveImage(paintIcon(kind, 64), name)) return false;
    }
    const QString appIcon = QDir(iconFolder_).filePath("varnel.png");
    if (!paintIcon(IconKind::KeyboardPresent, 256).save(appIcon))
        return fail("cannot write " + appIcon);
    // The application icon in the hicolor theme's sizes, each drawn at its size.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder =
            QDir(iconFolder_).filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
        const QString file = QDir(folder).filePath("varnel.png");
        if (!QDir().mkpath(folder) || !paintIcon(IconKind::KeyboardPresent, size).save(file))
            return fail("cannot write " + file);
    }
    return true;
}

bool SkinWriter::writeUserModeTemplate() {
    return saveText(userModeTemplate(), "UserDengColor_3.userd");
}

bool SkinWriter::saveImage(const QImage &image, const QString &fileName) {
    const QString path = QDir(skinFolder_).filePath(fileName);
    const bool jpeg = fileName.endsWith(".jpg");
    if (!image.save(path, nullptr, jpeg ? kJpegQuality : -1)) return fail("cannot write " + path);
    return true;
}

bool SkinWriter::saveText(const QString &text, const QString &fileName) {
    const QString path = QDir(skinFolder_).filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail("cannot write " + path);
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) return fail("cannot write " + path);
    return true;
}

bool SkinWriter::fail(const QString &what) {
    error_ = what;
    return false;
}

}  // namespace skingen
