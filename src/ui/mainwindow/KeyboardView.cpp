#include "ui/mainwindow/KeyboardView.h"

#include <QToolTip>
#include <array>

#include "model/KeyButtons.h"
#include "model/KeyCode.h"
#include "ui/skin/CBaseDialog.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/SkinPlacement.h"
#include "ui/skin/layout/SkinRect.h"

namespace mainwindow {
namespace {

// "KEY_%03X" of the key's table row.
QString keySkinKey(model::KeyCode code) {
    return QStringLiteral("KEY_") +
           QStringLiteral("%1").arg(model::rowOfKeyCode(code), 3, 16, QLatin1Char('0')).toUpper();
}

constexpr std::array<int, 4> kFKeys{1010, 1011, 1012, 1013};

// The bank label of a G key sits small at its bottom edge, under the
// key's own legend.
skin::CaptionStyle bankCaptionStyle() {
    skin::CaptionStyle style;
    style.drawCaption = true;
    style.pointSize = 6;
    style.face = QStringLiteral("Arial Unicode MS");
    const QColor label(0x4F, 0xC3, 0xF7);
    style.colors = {label, label, label, QColor(0x7F, 0x7F, 0x7F), label};
    style.format = skin::kDrawTextCenter | skin::kDrawTextBottom | skin::kDrawTextSingleLine;
    return style;
}

std::vector<int> dKeyIds() {
    std::vector<int> keys;
    for (int i = 0; i < ids::kDKeyCount; ++i) keys.push_back(ids::kFirstDKey + i);
    return keys;
}

}  // namespace

KeyboardView::KeyboardView(CBaseDialog &window, MainPictures pictures)
    : QObject(&window), window_(window), pictures_(std::move(pictures)) {}

skin::ButtonPictures KeyboardView::keyPictures() const {
    return buttonPicturesOf(pictures_);
}

skin::ButtonPictures KeyboardView::indicatorPictures(bool highlighted) const {
    const skin::StatePicture &shown = highlighted ? pictures_.over : pictures_.normal;
    const skin::StatePicture &selected = highlighted ? pictures_.normal : pictures_.over;
    return {shown, shown, shown, shown, selected};
}

CPngButton *KeyboardView::addImageButton(int id, const QString &key,
                                         const skin::ButtonPictures &pictures) {
    CPngButton *button = window_.addImageButton(id, key.toStdU16String(), pictures);
    buttons_.insert(id, button);
    return button;
}

CPngButton *KeyboardView::addUnplacedButton(int id) {
    CPngButton *button = window_.addUnplacedButton(id);
    buttons_.insert(id, button);
    return button;
}

void KeyboardView::build(bool flipOn) {
    buildKeys();
    buildIndicators();
    buildFlip();
    applyFlip(flipOn);
    showBank(false);
}

void KeyboardView::buildKeys() {
    for (const model::KeyButton &key : model::kKeyButtons) {
        keyButtons_.insert(key.controlId,
                           addImageButton(key.controlId, keySkinKey(key.keyCode), keyPictures()));
        kinds_.insert(key.controlId, KeyKind::Key);
    }
    for (std::size_t j = 0; j < model::kExtraKeyButtonIds.size(); ++j) {
        const int id = model::kExtraKeyButtonIds[j];
        CPngButton *key = addImageButton(id, QStringLiteral("FUNC_G%1").arg(j + 1), keyPictures());
        key->setCaptionStyle(bankCaptionStyle());
        key->setCaptionMargins({0, 0, 0, 2});
        keyButtons_.insert(id, key);
        kinds_.insert(id, KeyKind::GKey);
    }
    keyButtons_.insert(ids::kFn, addImageButton(ids::kFn, QStringLiteral("KEY_FN"), keyPictures()));
    kinds_.insert(ids::kFn, KeyKind::Fn);
    // The D keys sit beside the layout switch, which hands F1..F4 over to them;
    // whichever set is off is drawn dimmed, so the switch is seen to happen.
    for (int i = 0; i < ids::kDKeyCount; ++i) {
        const int id = ids::kFirstDKey + i;
        addImageButton(id, QStringLiteral("FUNC_D%1").arg(i + 1), keyPictures())
            ->setDimmedWhenDisabled(true);
        kinds_.insert(id, KeyKind::DKey);
    }
    for (int id : kFKeys) buttons_.value(id)->setDimmedWhenDisabled(true);
    // The Enter key overlaps the "]" key.
    chainAfterDraw(*buttons_.value(ids::kEnter),
                   [] { return std::vector<int>{ids::kRightBracket}; });
    for (int i = 0; i < 4; ++i) {
        addImageButton(ids::kReportRate[i], QStringLiteral("FUNC_REPORT%1").arg(i + 1),
                       keyPictures());
    }
}

void KeyboardView::buildIndicators() {
    const std::pair<int, const char *> locks[] = {{ids::kLockCaps, "LOCK_CAPS"},
                                                  {ids::kLockNum, "LOCK_NUM"},
                                                  {ids::kLockScroll, "LOCK_SCROLL"},
                                                  {ids::kLockAb, "LOCK_AB"}};
    for (const auto &[id, key] : locks) {
        addImageButton(id, QLatin1String(key), indicatorPictures(false))->setEnabled(false);
    }
    chainAfterDraw(*buttons_.value(ids::kLockAb), [] {
        return std::vector<int>(model::kExtraKeyButtonIds.begin(), model::kExtraKeyButtonIds.end());
    });
}

void KeyboardView::buildFlip() {
    addImageButton(ids::kFlipPlate, QStringLiteral("FLIP_0"), indicatorPictures(false))
        ->setEnabled(false);
    addImageButton(ids::kFlipLeft, QStringLiteral("FLIP_1"), keyPictures());
    addImageButton(ids::kFlipRight, QStringLiteral("FLIP_2"), keyPictures());
    for (int id : {ids::kArrowLeft, ids::kArrowRight}) {
        CPngButton *arrow = addUnplacedButton(id);
        arrow->setEnabled(false);
        arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    chainAfterDraw(*buttons_.value(ids::kFlipPlate), [this] {
        std::vector<int> targets =
            flipOn_ ? dKeyIds() : std::vector<int>(kFKeys.begin(), kFKeys.end());
        targets.insert(targets.end(), {ids::kF5, ids::kFlipLeft, ids::kFlipRight});
        return targets;
    });
    buttons_.value(ids::kFlipLeft)->setAfterDraw([this](CPngButton &, bool normalShown) {
        if (normalShown)
            placeArrow(*buttons_.value(ids::kArrowLeft), "UP_ARROW_LEFT", "DOWN_ARROW_LEFT");
    });
    buttons_.value(ids::kFlipRight)->setAfterDraw([this](CPngButton &, bool normalShown) {
        if (normalShown)
            placeArrow(*buttons_.value(ids::kArrowRight), "UP_ARROW_RIGHT", "DOWN_ARROW_RIGHT");
    });
}

void KeyboardView::placeArrow(CPngButton &arrow, const char *upKey, const char *downKey) {
    const QString pictureKey = QLatin1String(flipOn_ ? upKey : downKey) + QLatin1Char('1');
    const QString placeKey = arrow.controlId() == ids::kArrowLeft ? QStringLiteral("LEFT_ARROW")
                                                                  : QStringLiteral("RIGHT_ARROW");
    // Placing redraws the arrow; only do it when the arrow's picture changes.
    const QString placed = arrow.property("arrowKey").toString();
    if (placed == pictureKey) return;
    arrow.setProperty("arrowKey", pictureKey);
    skin::placeSinglePictureButton(arrow, window_.skinIniPath(), skin::kButtonInfoSection,
                                   placeKey.toStdU16String(), skin::kButtonInfo2Section,
                                   pictureKey.toStdU16String(), pictures_.arrow);
    arrow.setEnabled(false);
}

// Redraws the neighbours a button overlaps whenever its look changes. Only a
// change propagates, so two overlapping buttons never keep redrawing each other.
void KeyboardView::chainAfterDraw(CPngButton &button, std::function<std::vector<int>()> targets) {
    auto lastLook = std::make_shared<int>(-1);
    auto lastPicture = std::make_shared<const QPixmap *>(nullptr);
    button.setAfterDraw([this, targets, lastLook, lastPicture](CPngButton &drawn, bool) {
        const int look = static_cast<int>(drawn.currentLook());
        const QPixmap *picture = drawn.pictureOf(drawn.currentLook()).get();
        if (look == *lastLook && picture == *lastPicture) return;
        *lastLook = look;
        *lastPicture = picture;
        for (int id : targets()) {
            if (CPngButton *target = buttons_.value(id, nullptr)) target->update();
        }
    });
}

KeyboardView::KeyKind KeyboardView::kindOf(int controlId) const {
    return kinds_.value(controlId, KeyKind::None);
}

void KeyboardView::showHint(int controlId, const model::ButtonHint &hint) {
    CPngButton *target = button(controlId);
    if (!target) return;
    target->setSelected(hint.assigned);
    target->setToolTipText(QString::fromStdU16String(hint.text));
}

void KeyboardView::showPassingHint(int controlId, const QString &text) {
    CPngButton *target = button(controlId);
    if (!target) return;
    // Shown for the window over the key's place (a key showing the preview is drawn
    // by the window), so it goes when the pointer leaves the key.
    const QRect place = target->geometry();
    QToolTip::showText(window_.mapToGlobal(place.bottomLeft()), text, &window_, place);
}

void KeyboardView::showReportRate(int index) {
    reportRate_ = index;
    for (int i = 0; i < 4; ++i) {
        if (CPngButton *rate = button(ids::kReportRate[i])) rate->setSelected(i == index);
    }
}

void KeyboardView::showBank(bool bankB) {
    bankB_ = bankB;
    if (CPngButton *indicator = button(ids::kLockAb)) {
        indicator->setPictures(indicatorPictures(bankB));
    }
    for (std::size_t j = 0; j < model::kExtraKeyButtonIds.size(); ++j) {
        if (CPngButton *key = button(model::kExtraKeyButtonIds[j])) {
            key->setText(
                QString::fromStdU16String(model::extraKeyCaption(static_cast<int>(j), bankB)));
        }
    }
}

void KeyboardView::applyFlip(bool on) {
    flipOn_ = on;
    for (int id : kFKeys) {
        if (CPngButton *key = button(id)) key->setEnabled(!on);
    }
    for (int id : dKeyIds()) button(id)->setEnabled(on);
    if (CPngButton *plate = button(ids::kFlipPlate)) {
        const skin::StatePicture &shown = on ? pictures_.normalSecond : pictures_.normal;
        plate->setPictures({shown, shown, shown, shown, pictures_.disable});
        plate->setEnabled(false);
    }
    placeArrow(*button(ids::kArrowLeft), "UP_ARROW_LEFT", "DOWN_ARROW_LEFT");
    placeArrow(*button(ids::kArrowRight), "UP_ARROW_RIGHT", "DOWN_ARROW_RIGHT");
}

}  // namespace mainwindow
