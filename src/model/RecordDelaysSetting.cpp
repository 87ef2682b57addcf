#include "RecordDelaysSetting.h"

#include "DecimalText.h"

namespace model {
namespace {

int clamped(std::int64_t value) {
    return value == 1 ? 1 : 0;
}

}  // namespace

RecordDelaysSetting::RecordDelaysSetting(app::AppSettings &settings, TextLookup lookup)
    : settings_(settings), lookup_(std::move(lookup)) {}

std::u16string RecordDelaysSetting::entryName() const {
    return lookup_ ? lookup_(kTextSection, u"MACRO_ACTION_RECORD_DELAY") : std::u16string();
}

int RecordDelaysSetting::read() {
    return write(clamped(parseDecimalText(settings_.profileString(entryName(), u"0"))));
}

int RecordDelaysSetting::write(int value) {
    const int stored = clamped(value);
    settings_.writeProfileString(entryName(), decimalText(stored));
    return stored;
}

}  // namespace model
