// The lighting modes the keyboard reports in its info block, in selector order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "devicelink/DeviceRegions.h"
#include "model/TextLookup.h"

namespace lighting {

inline constexpr int kModeSlotCount = static_cast<int>(devicelink::kInfoModeCount);
inline constexpr int kUserMode = 20;

class ModeList {
public:
    // Appends every non-zero code of the 32 mode bytes, in order.
    void build(std::span<const std::uint8_t, kModeSlotCount> modeBytes);
    void clear() { codes_.clear(); }

    int size() const { return int(codes_.size()); }
    // The code at a selector index, or -1 outside the list.
    int codeOf(int index) const;
    // The selector index of the first entry with the code, or -1.
    int indexOf(int code) const;
    bool contains(int code) const { return indexOf(code) >= 0; }

private:
    std::vector<std::uint8_t> codes_;
};

// The name a mode is offered under: the text keyed by its code in decimal in
// the language file's "MODE" section.
std::u16string modeDisplayName(const model::TextLookup &lookup, int code);

}  // namespace lighting
