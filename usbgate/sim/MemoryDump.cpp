#include "MemoryDump.h"

#include <cstdarg>
#include <cstdio>
#include <span>

namespace usbgate::sim {
namespace {

class Text {
public:
    void line(const char *format, ...) __attribute__((format(printf, 2, 3))) {
        char buffer[512];
        std::va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(buffer, sizeof buffer, format, arguments);
        va_end(arguments);
        text_ += buffer;
        text_ += '\n';
    }
    void hexRows(std::span<const uint8_t> bytes, size_t perRow, const char *indent) {
        for (size_t row = 0; row < bytes.size(); row += perRow) {
            std::string cells;
            char cell[4];
            for (size_t i = row; i < row + perRow && i < bytes.size(); ++i) {
                std::snprintf(cell, sizeof cell, " %02X", bytes[i]);
                cells += cell;
            }
            line("%s%04zX:%s", indent, row, cells.c_str());
        }
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

uint16_t u16(std::span<const uint8_t> bytes, size_t offset) {
    if (offset + 2 > bytes.size()) return 0;
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

void dumpInfo(Text &text, const DeviceMemory &memory) {
    text.line("[info]");
    text.line("firmware 0x%04X", memory.firmware());
    text.line("active profile %u", memory.info[kInfoProfile]);
    text.line("macro capacity %zu bytes (%u units)", memory.macroCapacity(),
              memory.info[kInfoCapacity]);
    std::string modes;
    for (size_t i = 0; i < kModeSlots; ++i) {
        uint8_t mode = memory.info[kInfoModes + i];
        if (mode != 0) modes += " " + std::to_string(mode);
    }
    text.line("lighting modes%s", modes.c_str());
    text.hexRows(memory.info, 22, "  ");
}

void dumpParams(Text &text, const DeviceMemory &memory) {
    for (size_t p = 0; p < kProfileCount; ++p) {
        const uint8_t *r = memory.params.data() + p * kRecordSize;
        text.line(
            "[params %zu] mode %u brightness %u speed %u direction %u colour choice %u "
            "colour %02X%02X%02X report rate %u preset %u",
            p, r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[15], r[17]);
        text.hexRows(std::span<const uint8_t>(r, kRecordSize), 21, "  ");
    }
}

void dumpPages(Text &text, const DeviceMemory &memory) {
    for (size_t p = 0; p < kProfileCount; ++p) {
        text.line("[page %zu] position: entry (* differs from the default matrix)", p);
        const uint8_t *page = memory.pages.data() + p * kPageSize;
        for (size_t row = 0; row < kPageSize / 3; row += 8) {
            std::string cells;
            char cell[16];
            for (size_t pos = row; pos < row + 8 && pos < kPageSize / 3; ++pos) {
                const uint8_t *e = page + pos * 3;
                bool changed = !std::equal(e, e + 3, defaultMatrix().data() + pos * 3);
                std::snprintf(cell, sizeof cell, " %3zu:%02X%02X%02X%c", pos, e[0], e[1], e[2],
                              changed ? '*' : ' ');
                cells += cell;
            }
            text.line("%s", cells.c_str());
        }
    }
}

// A well-formed macro area holds its table and each block once, so the dump
// decodes no more bytes than the area has, whatever its counts claim: each table
// entry, block header, step and name unit is paid for from this budget.
class AreaBudget {
public:
    explicit AreaBudget(size_t bytes) : left_(bytes) {}
    bool spend(size_t bytes) {
        if (bytes > left_) return false;
        left_ -= bytes;
        return true;
    }

private:
    size_t left_;
};

bool dumpMacroBlock(Text &text, std::span<const uint8_t> area, size_t index, size_t offset,
                    AreaBudget &budget) {
    if (!budget.spend(2 + 4)) return false;
    if (offset + 4 > area.size()) {
        text.line("  macro %zu: block offset %zu outside the area", index + 1, offset);
        return true;
    }
    uint16_t actions = u16(area, offset);
    uint8_t cycles = area[offset + 2];
    uint8_t nameLength = area[offset + 3];
    std::string name;
    size_t nameOffset = offset + 4 + 4 * size_t{actions};
    for (size_t i = 0; i < nameLength && nameOffset + 2 * i + 2 <= area.size(); ++i) {
        if (!budget.spend(2)) return false;
        uint16_t unit = u16(area, nameOffset + 2 * i);
        name += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    text.line("  macro %zu at %zu: %u actions, cycles %u, name \"%s\"", index + 1, offset, actions,
              cycles, name.c_str());
    for (size_t k = 0; k < actions && offset + 8 + 4 * k <= area.size(); ++k) {
        if (!budget.spend(4)) return false;
        size_t at = offset + 4 + 4 * k;
        uint16_t word = u16(area, at);
        text.line("    %s type %u [%02X %02X] wait %u ms", word & 0x8000 ? "press  " : "release",
                  (word >> 12) & 7, area[at + 2], area[at + 3], (word & 0x0FFF) * 10u);
    }
    return true;
}

void dumpMacroArea(Text &text, const DeviceMemory &memory) {
    std::span<const uint8_t> area(memory.macro);
    text.line("[macro area] capacity %zu bytes", area.size());
    if (area.size() < 16 || u16(area, 0) != 0x55AA) {
        text.line("  no macro area mark (0x55AA): no macros");
        return;
    }
    uint16_t count = u16(area, 4);
    text.line("  size %u, %u macros, names %s", u16(area, 2), count,
              u16(area, 6) ? "included" : "left out");
    AreaBudget budget(area.size() - 16);
    for (size_t i = 0; i < count && 16 + 2 * i + 2 <= area.size(); ++i) {
        if (!dumpMacroBlock(text, area, i, u16(area, 16 + 2 * i), budget)) {
            text.line(
                "  the table and blocks claim more than the area holds; the rest is not shown");
            return;
        }
    }
}

void dumpColours(Text &text, const DeviceMemory &memory) {
    for (size_t p = 0; p < kProfileCount; ++p) {
        text.line("[colours %zu] slot: RRGGBB, 21 slots per grid row", p);
        const uint8_t *slot = memory.colours.data() + p * kColourSlotSize;
        for (size_t row = 0; row < 6; ++row) {
            std::string cells;
            char cell[8];
            for (size_t column = 0; column < 21; ++column) {
                const uint8_t *c = slot + (row * 21 + column) * 3;
                std::snprintf(cell, sizeof cell, " %02X%02X%02X", c[0], c[1], c[2]);
                cells += cell;
            }
            text.line("  row %zu:%s", row, cells.c_str());
        }
    }
}

}  // namespace

std::string dumpMemory(const DeviceMemory &memory) {
    Text text;
    dumpInfo(text, memory);
    dumpParams(text, memory);
    dumpPages(text, memory);
    dumpMacroArea(text, memory);
    dumpColours(text, memory);
    text.line("[status] %02X %02X", memory.status[0], memory.status[1]);
    return text.take();
}

}  // namespace usbgate::sim
