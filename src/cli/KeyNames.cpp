#include "cli/KeyNames.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "cli/Texts.h"
#include "model/KeyButtons.h"
#include "model/KeyConversions.h"
#include "model/KeyTable.h"
#include "model/ProfileBlock.h"

namespace cli {
namespace {

std::string extraKeyName(int position, bool bankB) {
    return (bankB ? "B:G" : "G") + std::to_string(position + 1);
}

std::optional<unsigned> parseRow(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned row = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), row, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return row;
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string keyName(model::KeyCode code) {
    return utf8(model::keyDisplayName(code, textLookup()));
}

std::vector<KeyRecord> keyboardViewRecords() {
    std::vector<KeyRecord> records;
    for (const model::KeyButton &button : model::kKeyButtons)
        records.push_back({model::rowOfKeyCode(button.keyCode), keyName(button.keyCode)});
    for (bool bankB : {false, true}) {
        for (int position = 0; position < model::kExtraKeysPerBank; ++position) {
            records.push_back({model::extraKeyRecordIndex(position, bankB),
                               extraKeyName(position, bankB),
                               position == model::kExtraKeysPerBank - 1});
        }
    }
    return records;
}

std::optional<KeyRecord> keyRecordByText(std::string_view text) {
    const std::vector<KeyRecord> records = keyboardViewRecords();
    const std::optional<unsigned> row = parseRow(text);
    const auto found = std::find_if(records.begin(), records.end(), [&](const KeyRecord &record) {
        return row ? record.recordIndex == *row : sameName(record.name, text);
    });
    if (found == records.end()) return std::nullopt;
    return *found;
}

std::optional<model::KeyCode> pressableKeyByName(std::string_view name) {
    for (std::uint16_t position = 0; position < model::kPrimaryListSize; ++position) {
        const model::KeyCode code = model::keyCodeOfListIndex(position);
        if (sameName(keyName(code), name)) return code;
    }
    return std::nullopt;
}

}  // namespace cli
