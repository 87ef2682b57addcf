#include "ui/mainwindow/panel/KeyPreviewPainter.h"

#include "model/KeyButtons.h"
#include "model/lighting/KeyColourTable.h"
#include "ui/skin/CPngButton.h"
#include "ui/skin/ColorRef.h"

namespace panel {
KeyPreviewPainter::KeyPreviewPainter(const QHash<int, CPngButton *> &keyButtons) {
    auto add = [&](int controlId, int slot) {
        CPngButton *button = keyButtons.value(controlId, nullptr);
        if (!button || slot < 0 || slot >= lighting::kSlotCount) return;
        buttonsBySlot_[std::size_t(slot)].push_back(button);
        slotById_.insert(controlId, slot);
        allButtons_.push_back(button);
    };
    for (const model::KeyButton &key : model::kKeyButtons) {
        add(key.controlId, lighting::slotOfKeyCode(key.keyCode));
    }
    for (int id : model::kExtraKeyButtonIds) add(id, lighting::slot::GKeys);
    add(kFnButtonId, lighting::slot::Fn);
}

bool KeyPreviewPainter::frame(CPngButton &button, lighting::Colour colour) {
    const QColor wanted = skin::colorFromRef(colour);
    if (button.isFrameMode() && button.frameColor() == wanted &&
        button.framePercentage() == kKeyFramePercentage) {
        return false;
    }
    button.setFrame(wanted, kKeyFramePercentage, true);
    return true;
}

bool KeyPreviewPainter::plain(CPngButton &button) {
    if (!button.isFrameMode() && !button.isSelected()) return false;
    button.setSelected(false, false);
    button.setFrame(button.frameColor(), button.framePercentage(), false);
    return true;
}

int KeyPreviewPainter::apply(const preview::PreviewFrame &frameOfTick) {
    int changed = 0;
    for (std::size_t slot = 0; slot < frameOfTick.size(); ++slot) {
        const preview::KeyLook &look = frameOfTick[slot];
        if (look.kind == preview::KeyLook::Kind::Keep) continue;
        for (CPngButton *button : buttonsBySlot_[slot]) {
            const bool redrawn = look.kind == preview::KeyLook::Kind::Painted
                                     ? frame(*button, look.colour)
                                     : plain(*button);
            changed += redrawn ? 1 : 0;
        }
    }
    return changed;
}

void KeyPreviewPainter::showPlain() {
    for (CPngButton *button : allButtons_) plain(*button);
}

void KeyPreviewPainter::showColour(int slot, lighting::Colour colour) {
    if (slot < 0 || slot >= lighting::kSlotCount) return;
    for (CPngButton *button : buttonsBySlot_[std::size_t(slot)]) frame(*button, colour);
}

void KeyPreviewPainter::showColourTable(const lighting::KeyColourTable &table, int profile) {
    for (std::size_t slot = 0; slot < buttonsBySlot_.size(); ++slot) {
        for (CPngButton *button : buttonsBySlot_[slot]) {
            frame(*button, table.colour(profile, int(slot)));
        }
    }
}

}  // namespace panel
