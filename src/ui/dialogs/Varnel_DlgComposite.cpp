#include "ui/dialogs/Varnel_DlgComposite.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "ui/dialogs/CompositeControls.h"
#include "ui/dialogs/CompositeIds.h"
#include "ui/dialogs/CompositePages.h"
#include "ui/dialogs/CompositePlacement.h"
#include "ui/dialogs/MacroPage.h"
#include "ui/dialogs/MainWindowAccess.h"
#include "ui/dialogs/OnScreenKeyboard.h"
#include "ui/skin/SkinPath.h"

namespace dialogs {

namespace {

// The five image sets, loaded and rendered once per process.
const CompositePages::ImageSets &imageSets(const QString &folder, QSize clientSize) {
    static skin::StatePictureSet pictures;
    static CompositePages::ImageSets sets;
    if (pictures.isRendered()) return sets;
    static const QStringList kNames{
        "key_normal.jpg",   "key_over.jpg",    "key_down.jpg",        "macro_normal.jpg",
        "macro_over.jpg",   "macro_down.jpg",  "macro_disable.jpg",   "macro2_normal.jpg",
        "macro2_over.jpg",  "macro2_down.jpg", "macro2_disable.jpg",  "media_normal.jpg",
        "media_over.jpg",   "media_down.jpg",  "function_normal.jpg", "function_over.jpg",
        "function_down.jpg"};
    const auto &p = pictures.ensureRendered(folder, kNames, clientSize);
    // normal, over, down, disabled, selected (the pressed look)
    sets = {skin::ButtonPictures{p[0], p[1], p[2], p[0], p[2]},
            skin::ButtonPictures{p[3], p[4], p[5], p[6], p[5]},
            skin::ButtonPictures{p[7], p[8], p[9], p[10], p[9]},
            skin::ButtonPictures{p[11], p[12], p[13], p[11], p[13]},
            skin::ButtonPictures{p[14], p[15], p[16], p[14], p[16]}};
    return sets;
}

}  // namespace

Varnel_DlgComposite::Varnel_DlgComposite(QWidget *parent, CompositeContext context)
    : CBaseDialog(parent, skin::toQString(context.skinFile), skin::toQString(context.skinFolder)),
      context_(std::move(context)),
      controls_(std::make_unique<CompositeControls>()) {
    if (!context_.startOnScreenKeyboard)
        context_.startOnScreenKeyboard = startDesktopOnScreenKeyboard;
    setModal(true);
    controls_->build(*this);
    pages_ = std::make_unique<CompositePages>(*controls_, *this, context_);
    connect(this, &CBaseDialog::controlClicked, this, &Varnel_DlgComposite::onCommand);
}

Varnel_DlgComposite::~Varnel_DlgComposite() = default;

int Varnel_DlgComposite::openForRecord(int recordIndex, int controlId, QRect clickedButton) {
    if (isOpen()) return Rejected;
    prepareOpen(recordIndex, controlId, clickedButton);
    return exec();
}

void Varnel_DlgComposite::openModeless(int recordIndex, int controlId, QRect clickedButton) {
    if (isOpen()) return;
    prepareOpen(recordIndex, controlId, clickedButton);
    show();
}

void Varnel_DlgComposite::prepareOpen(int recordIndex, int controlId, QRect clickedButton) {
    targetIndex_ = recordIndex;
    targetButton_ = controlId;
    clickedButton_ = clickedButton;
}

void Varnel_DlgComposite::onInitDialog() {
    CBaseDialog::onInitDialog();
    pages_->open(targetIndex_, targetButton_, imageSets(imageFolder(), size()));
    placeBesideButton();
}

void Varnel_DlgComposite::placeBesideButton() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1920, 1080);
    const QPoint position = targetButton_ == kMacroOnlyButton
                                ? centredPosition(size(), screenSize)
                                : positionBesideButton(clickedButton_, size(), screenSize);
    move(position);
}

void Varnel_DlgComposite::relabel(int languageIndex) {
    pages_->relabel(languageIndex);
}

void Varnel_DlgComposite::onCommand(int controlId) {
    if (controlId == composite::kOk) {
        pages_->apply();
        accept();
        return;
    }
    if (controlId == composite::kCancel) {
        reject();
        return;
    }
    pages_->handleCommand(controlId);
}

void Varnel_DlgComposite::keyPressEvent(QKeyEvent *event) {
    // Enter and Escape never close the dialog; only OK, Cancel and the close
    // operation do.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        case Qt::Key_F1:
            if (!pages_->macroPage().recording()) context_.window.openHelp();
            event->accept();
            return;
        default:
            CBaseDialog::keyPressEvent(event);
    }
}

void Varnel_DlgComposite::done(int result) {
    if (isOpen()) {
        pages_->close();
        context_.window.restoreButtonLook(targetButton_);
    }
    CBaseDialog::done(result);
}

}  // namespace dialogs
