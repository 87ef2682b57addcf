#include "LightingState.h"

namespace lighting {
namespace {

Colour colourAt(const ParamRecord &record, int offset) {
    return makeColour(record[offset], record[offset + 1], record[offset + 2]);
}

bool isFlag(std::uint8_t value) {
    return value == 0 || value == 1;
}

}  // namespace

void unpackRecord(const ParamRecord &record, LightingState &state) {
    state.mode = record[field::Mode];
    state.brightness = record[field::Brightness];
    state.speed = record[field::Speed];
    state.direction = record[field::Direction];
    state.multicolour = record[field::ColourChoice] != 0;
    state.colour = colourAt(record, field::Colour);
    state.reportRate = record[field::ReportRate] > 3 ? 3 : record[field::ReportRate];
    state.presetColour = record[field::PresetColour] > 3 ? 0 : record[field::PresetColour];
    if (record[field::Mode] == 7 && isFlag(record[field::Mode7Option]))
        state.mode7Option = record[field::Mode7Option];
    if (isFlag(record[field::ReactiveTrigger]))
        state.reactiveTrigger = record[field::ReactiveTrigger];
    state.secondColour = colourAt(record, field::SecondColour);
    state.secondMulticolour = record[field::SecondChoice] != 0;
    state.thirdColour = colourAt(record, field::ThirdColour);
    state.thirdMulticolour = record[field::ThirdChoice] != 0;
}

}  // namespace lighting
