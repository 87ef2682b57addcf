#include "ui/skin/CBaseDialog.h"

#include <QAbstractButton>
#include <QBackingStore>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWindow>
#include <utility>

#include "platform/IniFile.h"
#include "ui/skin/AppStyle.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/FrameBandFill.h"
#include "ui/skin/SkinPath.h"
#include "ui/skin/SkinPicture.h"
#include "ui/skin/SkinPlacement.h"
#include "ui/skin/WindowShape.h"
#include "ui/skin/layout/RelabelMessage.h"
#include "ui/skin/layout/SkinRect.h"

CBaseDialog::CBaseDialog(QWidget *parent, const QString &skinIniPath, const QString &imageFolder)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      skinIniPath_(skinIniPath),
      imageFolder_(imageFolder) {
    skin::applyDarkStyle();
    // The background picture covers the whole window: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    // Wayland has no window shapes (a mask there only limits input): the window
    // gets an alpha channel instead, and what lies outside the shape stays clear.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        setAttribute(Qt::WA_TranslucentBackground);
}

QString CBaseDialog::screenValue(const QString &key, const QString &fallback) const {
    return QString::fromStdU16String(platform::readIniString(
        skin::toPath(skinIniPath_), skin::kScreenSection, key.toStdU16String(),
        fallback.toStdU16String(), platform::kIniLongBuffer));
}

void CBaseDialog::applySkin() {
    applyingSkin_ = true;
    const QString backgroundName = screenValue(QStringLiteral("Main"), QString());
    const QString maskName = screenValue(QStringLiteral("Mask"), backgroundName);
    background_ = skin::paintReady(
        skin::loadSkinPictureOrExit(skin::skinFilePath(imageFolder_, backgroundName)));
    const QImage mask = skin::loadSkinPictureOrExit(skin::skinFilePath(imageFolder_, maskName));
    setFixedSize(background_.size());
    shape_ = skin::windowShapeFromMask(mask);
    applyShape();
    applyingSkin_ = false;
}

void CBaseDialog::applyShape() {
    // The shape goes to the platform window, not to the widget: a widget mask also
    // clips the painting of every control against the whole shape, which on a
    // window of rounded edges costs more than drawing the control itself.
    if (!windowHandle()) create();
    windowHandle()->setMask(shape_);
}

void CBaseDialog::registerControl(int id, QWidget *widget) {
    controls_.insert(id, widget);
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { emit controlClicked(id); });
    }
}

CPngButton *CBaseDialog::addImageButton(int id, std::u16string_view skinKey,
                                        const skin::ButtonPictures &pictures) {
    auto *button = new CPngButton(id, this);
    skin::placeImageButton(*button, skinIniPath_, skin::kButtonInfoSection, skinKey, pictures);
    registerControl(id, button);
    return button;
}

CPngButton *CBaseDialog::addUnplacedButton(int id) {
    auto *button = new CPngButton(id, this);
    registerControl(id, button);
    return button;
}

void CBaseDialog::placeAndRegister(int id, QWidget &control, std::u16string_view skinKey) {
    skin::placeControl(control, skinIniPath_, skin::kButtonInfoSection, skinKey);
    registerControl(id, &control);
}

bool CBaseDialog::clickControl(int id) {
    auto *button = qobject_cast<QAbstractButton *>(control(id));
    if (!button || !button->isEnabled()) return false;
    button->click();
    return true;
}

bool CBaseDialog::handleMessage(std::uint32_t message, std::uint64_t firstParameter,
                                std::int64_t secondParameter) {
    if (!skin::isRelabelRequest(message, firstParameter)) return false;
    relabel(static_cast<int>(secondParameter));
    return true;
}

void CBaseDialog::onInitDialog() {
    applySkin();
}

void CBaseDialog::relabel(int) {}

void CBaseDialog::releasePictures() {
    background_ = QImage();
}

void CBaseDialog::closeAsCancel() {
    if (isOpen()) reject();
}

void CBaseDialog::accept() {
    releasePictures();
    QDialog::accept();
}

void CBaseDialog::done(int result) {
    initialised_ = false;
    QDialog::done(result);
}

void CBaseDialog::showEvent(QShowEvent *event) {
    if (!initialised_) {
        initialised_ = true;
        onInitDialog();
    }
    QDialog::showEvent(event);
}

QImage *CBaseDialog::windowPicture() const {
    QBackingStore *store = isWindow() ? backingStore() : nullptr;
    QPaintDevice *device = store ? store->paintDevice() : nullptr;
    QPoint offset;
    if (!device || device->devType() != QInternal::Image || redirected(&offset) != device ||
        !offset.isNull())
        return nullptr;
    return static_cast<QImage *>(device);
}

bool CBaseDialog::takesDirectFrames(const QImage &picture) const {
    // A see-through window's picture is cleared before each paint.
    return !testAttribute(Qt::WA_TranslucentBackground) && picture.devicePixelRatio() == 1.0 &&
           skin::takesDirectBands(picture);
}

std::size_t CBaseDialog::controlsLayout() const {
    std::size_t digest = 0;
    for (const QObject *child : children()) {
        if (!child->isWidgetType()) continue;
        const auto *control = static_cast<const QWidget *>(child);
        const QRect place = control->geometry();
        digest = qHashMulti(digest, control, place.x(), place.y(), place.width(), place.height(),
                            control->isVisibleTo(this));
    }
    return digest;
}

void CBaseDialog::paintEvent(QPaintEvent *event) {
    if (background_.isNull()) return;
    if (QImage *shown = windowPicture(); shown && paintRecolouredOnly(*shown, event->region()))
        return;
    QPainter painter(this);
    QRegion asked = event->region();
    // A see-through window (where the platform cannot shape windows) paints
    // only inside its shape.
    if (testAttribute(Qt::WA_TranslucentBackground)) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect &part : asked - shape_) painter.fillRect(part, Qt::transparent);
        asked &= shape_;
    }
    // Only the parts asked for: the preview repaints many small keys at once, and
    // one draw of the whole picture would copy everything between them.
    for (const QRect &part : asked) {
        painter.drawImage(part.topLeft(), background_, part);
    }
    framed_.paint(painter, event->region());
}

bool CBaseDialog::paintRecolouredOnly(QImage &shown, const QRegion &region) {
    // Only paints of the window itself keep count of what it shows; a grab
    // draws elsewhere.
    const bool recolouredOnly = framed_.onlyRecoloured(region);
    const std::size_t layout = std::exchange(paintedControlsLayout_, controlsLayout());
    // A tick of the preview that only recoloured frames: everything else in the
    // places it asked for is already on the window.
    if (!recolouredOnly || layout != paintedControlsLayout_ || !takesDirectFrames(shown) ||
        !framed_.insidesKept(shown, region))
        return false;
    const QList<const CPngButton *> whole = framed_.paintRecoloured(shown, region);
    if (whole.isEmpty()) return true;
    QPainter painter(this);
    for (const CPngButton *button : whole)
        skin::FramedButtons::paintWhole(painter, *button, background_);
    return true;
}

bool CBaseDialog::event(QEvent *event) {
    if (event->type() != QEvent::ToolTip) return QDialog::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const CPngButton *framed = framed_.buttonAt(help->pos());
    if (!framed) return QDialog::event(event);
    if (framed->toolTip().isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), framed->toolTip(), this, framed->geometry());
    }
    return true;
}

void CBaseDialog::mousePressEvent(QMouseEvent *event) {
    // Only presses that reach the dialog itself land here: a press on a control is
    // taken by the control, so any other point drags the window.
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    // A framed button is drawn by the window; its clicks land here.
    pressedFramed_ = framed_.buttonAt(event->position().toPoint());
    if (pressedFramed_) return;
    QWindow *window = windowHandle();
    if (window && window->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CBaseDialog::mouseMoveEvent(QMouseEvent *event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CBaseDialog::mouseReleaseEvent(QMouseEvent *event) {
    dragging_ = false;
    if (CPngButton *pressed = pressedFramed_) {
        pressedFramed_ = nullptr;
        if (framed_.buttonAt(event->position().toPoint()) == pressed) pressed->click();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}
