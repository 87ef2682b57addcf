#include "LightingModel.h"

#include <algorithm>

namespace lighting {
namespace {

constexpr std::int32_t kDone = 1;
constexpr int kReadFailed = -1;
constexpr std::uint8_t kMaxLevel = 4;

// The modes whose colour choice byte follows the mode byte on selection.
bool selectionWritesColourChoice(int code) {
    switch (code) {
        case 1:
        case 2:
        case 3:
        case 5:
        case 7:
        case 8:
        case 9:
        case 13:
        case 14:
        case 15:
            return true;
        default:
            return false;
    }
}

bool isSupportedCode(int code) {
    return (code >= 1 && code <= 18) || code == kUserMode;
}

std::vector<std::uint8_t> colourBytes(Colour colour) {
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

// The factory record: mode 1, brightness 4, speed 2, direction 0, multicolour
// white, then zeros up to byte 34.
constexpr int kDefaultsLength = 35;
std::vector<std::uint8_t> lightingDefaults() {
    std::vector<std::uint8_t> bytes(kDefaultsLength, 0);
    bytes[field::Mode] = 1;
    bytes[field::Brightness] = 4;
    bytes[field::Speed] = 2;
    bytes[field::Direction] = kDirectionBackward;
    bytes[field::ColourChoice] = 0xFF;
    bytes[field::Colour] = bytes[field::Colour + 1] = bytes[field::Colour + 2] = 0xFF;
    return bytes;
}

}  // namespace

LightingModel::LightingModel(devicelink::DeviceCommands &device, LightingHost &host,
                             LightingPaths paths)
    : device_(device), host_(host), paths_(std::move(paths)), settings_(paths_.settingsFile) {
    state_.viewOn = settings_.lightingViewSwitch();
}

void LightingModel::setCurrentProfile(int profile) {
    if (profile >= 0 && profile < kProfileCount) state_.profile = profile;
}

const ParamRecord &LightingModel::record(int profile) const {
    return mirror_[std::clamp(profile, 0, kProfileCount - 1)];
}

UserModeFile LightingModel::userModeFile() const {
    return UserModeFile(UserModeFile::pathFor(paths_.userModeFolder, state_.profile));
}

int LightingModel::writeGroup(std::initializer_list<FieldWrite> writes) {
    device_.beginCommand();
    std::int32_t result = kDone;
    for (const FieldWrite &write : writes) {
        ParamRecord &mirror = mirror_[state_.profile];
        std::copy(write.bytes.begin(), write.bytes.end(), mirror.begin() + write.offset);
        auto offset = std::uint16_t(state_.profile * kParamRecordSize + write.offset);
        std::int32_t written = device_.writeParams(write.bytes, offset);
        if (written != kDone && result == kDone) result = written;
    }
    device_.endCommand();
    return result;
}

int LightingModel::writeField(int offset, std::uint8_t value) {
    return writeGroup({{offset, {value}}});
}

bool LightingModel::readInfoBlock() {
    modes_.clear();
    selectedModeIndex_ = -1;
    devicelink::InfoBlock info{};
    if (device_.readInfo(info) != kDone) return false;
    modes_.build(std::span<const std::uint8_t, kModeSlotCount>(
        info.data() + devicelink::kInfoModesOffset, kModeSlotCount));
    return true;
}

// A record whose read fails keeps its last known content rather than taking
// the bytes of the record read before it.
void LightingModel::readRecords() {
    for (int profile = 0; profile < kProfileCount; ++profile) {
        std::array<std::uint8_t, devicelink::kPayloadSize> buffer{};
        auto offset = std::uint16_t(profile * kParamRecordSize);
        if (device_.readParams(buffer, devicelink::kPayloadSize, offset) == kDone)
            std::copy_n(buffer.begin(), kParamRecordSize, mirror_[profile].begin());
    }
}

int LightingModel::reloadLighting() {
    if (!readInfoBlock()) return kReadFailed;
    device_.beginCommand();
    readRecords();
    device_.endCommand();
    unpackRecord(mirror_[state_.profile], state_);
    selectedModeIndex_ = modes_.indexOf(state_.mode);
    if (settings_.lightingViewSwitch()) state_.viewOn = true;
    return 0;
}

int LightingModel::reloadAllLighting() {
    if (!readInfoBlock()) return kReadFailed;
    device_.beginCommand();
    if (modes_.contains(kUserMode)) {
        refillUserModeNames();
        loadUserMode();
    }
    readRecords();
    device_.endCommand();
    unpackRecord(mirror_[state_.profile], state_);
    selectedModeIndex_ = modes_.indexOf(state_.mode);
    state_.viewOn = settings_.lightingViewSwitch();
    // The flags read from the file are replaced by what the colours say: a key
    // follows the base colour only when it shows it.
    if (modes_.contains(kUserMode)) recomputeBaseFlags();
    return 0;
}

int LightingModel::selectMode(int selectorIndex) {
    int code = modes_.codeOf(selectorIndex);
    if (code < 0) return 0;
    selectedModeIndex_ = selectorIndex;
    state_.mode = code;
    ++state_.modeSelections;
    if (!isSupportedCode(code)) return kDone;
    if (!selectionWritesColourChoice(code)) return writeField(field::Mode, std::uint8_t(code));
    return writeGroup({{field::Mode, {std::uint8_t(code)}},
                       {field::ColourChoice, {std::uint8_t(state_.multicolour ? 1 : 0)}}});
}

int LightingModel::setBrightness(int level) {
    if (level < 0 || level > kMaxLevel) return 0;
    if (level == state_.brightness) return kDone;
    state_.brightness = level;
    return writeField(field::Brightness, std::uint8_t(level));
}

int LightingModel::setSpeed(int sliderPosition) {
    if (sliderPosition < 0 || sliderPosition > kMaxLevel) return 0;
    int speed = kMaxLevel - sliderPosition;
    if (speed == state_.speed) return kDone;
    state_.speed = speed;
    return writeField(field::Speed, std::uint8_t(speed));
}

int LightingModel::setDirection(std::uint8_t direction) {
    state_.direction = direction;
    return writeField(field::Direction, direction);
}

int LightingModel::setColour(Colour colour) {
    state_.colour = colour;
    state_.multicolour = false;
    return writeGroup({{field::ColourChoice, {0}}, {field::Colour, colourBytes(colour)}});
}

int LightingModel::toggleMulticolour() {
    state_.multicolour = !state_.multicolour;
    return writeField(field::ColourChoice, std::uint8_t(state_.multicolour ? 1 : 0));
}

int LightingModel::setPresetColourIndex(int index) {
    if (index < 0 || index > 3) return 0;
    state_.presetColour = index;
    return writeField(field::PresetColour, std::uint8_t(index));
}

int LightingModel::setReportRate(int index) {
    if (index < 0 || index > 3) return 0;
    state_.reportRate = index;
    return writeField(field::ReportRate, std::uint8_t(index));
}

bool LightingModel::setLightingView(bool on) {
    if (on && !host_.reselectCurrentProfile()) return false;
    state_.viewOn = on;
    settings_.setLightingViewSwitch(on);
    return true;
}

// The working state follows what the defaults write, so that a later slider
// move to the old value is not mistaken for no change.
void LightingModel::applyDefaultsToWorkingState() {
    state_.brightness = 4;
    state_.speed = 2;
    state_.direction = kDirectionBackward;
    state_.colour = kWhite;
    state_.multicolour = true;
    state_.reportRate = 0;
    state_.presetColour = 0;
    state_.mode7Option = 1;
    state_.reactiveTrigger = 0;
    state_.secondColour = state_.thirdColour = kWhite;
    state_.secondMulticolour = state_.thirdMulticolour = true;
}

int LightingModel::restoreLightingDefaults() {
    int modeOne = modes_.indexOf(1);
    if (modeOne >= 0) selectMode(modeOne);
    applyDefaultsToWorkingState();
    if (modes_.contains(kUserMode)) {
        userModeFile().resetFromTemplate(paths_.userModeTemplate);
        refillUserModeNames();
        loadUserMode();
    }
    std::vector<std::uint8_t> defaults = lightingDefaults();
    device_.beginCommand();
    std::copy(defaults.begin(), defaults.end(), mirror_[state_.profile].begin());
    std::int32_t result =
        device_.writeParams(defaults, std::uint16_t(state_.profile * kParamRecordSize));
    device_.endCommand();
    return result;
}

}  // namespace lighting
