// Shows colours on the key buttons of the keyboard view: the preview's frames,
// the key colour table and the plain appearance. A button is redrawn only when
// its look really changes, so an animation that leaves most keys alone costs
// little.
#pragma once

#include <QHash>
#include <array>
#include <vector>

#include "model/lighting/Colour.h"
#include "model/lighting/KeySlots.h"
#include "ui/mainwindow/panel/PanelIds.h"
#include "ui/mainwindow/preview/PreviewFrame.h"

class CPngButton;

namespace lighting {
class KeyColourTable;
}

namespace panel {

inline constexpr int kKeyFramePercentage = 50;

class KeyPreviewPainter {
public:
    // The 104 key buttons, the G keys and Fn, by control id.
    explicit KeyPreviewPainter(const QHash<int, CPngButton *> &keyButtons);

    // The colour slot of a key button, Fn or G key; -1 for other controls.
    int slotOfControl(int controlId) const { return slotById_.value(controlId, -1); }

    // Applies one preview frame; returns how many buttons changed.
    int apply(const preview::PreviewFrame &frame);
    // Every key button, G key and Fn without frame and not selected.
    void showPlain();
    // The buttons of a slot framed in the colour.
    void showColour(int slot, lighting::Colour colour);
    // Every key button, the G keys and Fn in their colours from the profile's table.
    void showColourTable(const lighting::KeyColourTable &table, int profile);

private:
    static bool frame(CPngButton &button, lighting::Colour colour);
    static bool plain(CPngButton &button);

    std::array<std::vector<CPngButton *>, lighting::kSlotCount> buttonsBySlot_;
    QHash<int, int> slotById_;
    std::vector<CPngButton *> allButtons_;
};

}  // namespace panel
