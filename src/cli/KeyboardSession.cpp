#include "cli/KeyboardSession.h"

#include <cstdlib>

#include "cli/ExitCode.h"
#include "cli/Texts.h"
#include "devicelink/DeviceResult.h"
#include "devicelink/SharedUsbgate.h"
#include "devicelink/StatusBytes.h"
#include "devicelink/UnitId.h"
#include "devicelink/UsbgateLibrary.h"
#include "model/lighting/ModeList.h"

namespace cli {
namespace {

constexpr char kUdevRuleAdvice[] =
    "install the udev rule 70-varnel-keyboard.rules (it grants the logged-in user access "
    "with TAG+=\"uaccess\") into /etc/udev/rules.d, then run 'udevadm control --reload' and "
    "'udevadm trigger'";

}  // namespace

KeyboardFacts factsOf(const devicelink::InfoBlock &info) {
    KeyboardFacts facts;
    facts.firmware = devicelink::firmwareVersionOf(info);
    facts.activeProfile = info[devicelink::kInfoProfileOffset];
    facts.macroCapacity = devicelink::macroCapacityOf(info);
    lighting::ModeList modes;
    modes.build(std::span<const std::uint8_t, lighting::kModeSlotCount>(
        info.data() + devicelink::kInfoModesOffset, lighting::kModeSlotCount));
    for (int index = 0; index < modes.size(); ++index) facts.modes.push_back(modes.codeOf(index));
    return facts;
}

std::string backendName() {
    const char *chosen = std::getenv("USBGATE_BACKEND");
    return chosen && *chosen ? chosen : "hidraw";
}

void requireDone(std::int32_t result, const std::string &what) {
    if (result == devicelink::kDone) return;
    fail(ExitCode::KeyboardError,
         "the keyboard did not complete " + what + " (result " + std::to_string(result) + ")");
}

KeyboardSession::KeyboardSession() {
    std::string detail;
    library_ = devicelink::sharedUsbgate(detail);
    if (!library_) fail(ExitCode::KeyboardError, "cannot start the device library: " + detail);
    transport_ = std::make_unique<devicelink::ReportTransport>(*library_);
    commands_ = std::make_unique<devicelink::DeviceCommands>(*transport_);
    if (transport_->registerReads() != devicelink::kDone)
        fail(ExitCode::KeyboardError, "the device library refused to listen to the keyboard");
}

// The library is ended here, so its threads stop and a simulated keyboard keeps
// its memory, before the process's static objects go.
KeyboardSession::~KeyboardSession() {
    transport_->withdrawReads();
    commands_.reset();
    transport_.reset();
    library_->entryPoints().end();
}

std::uint32_t KeyboardSession::keyboardCount() const {
    return library_->deviceCount(devicelink::kCommandUnit);
}

void KeyboardSession::requireKeyboard() const {
    if (keyboardCount() > 0) return;
    if (library_->deniedNodeCount() > 0)
        fail(ExitCode::Permission,
             std::string("the keyboard is plugged in but its device node cannot be opened: ") +
                 kUdevRuleAdvice);
    fail(ExitCode::NoKeyboard, languageText(u"DEFAULT_PROFILE_NAME", "No keyboard") +
                                   ": no Tarvik Q770RGB-PRO keyboard is connected");
}

devicelink::InfoBlock KeyboardSession::readInfo() {
    devicelink::InfoBlock info{};
    requireDone(commands_->readInfo(info), "the info block read");
    return info;
}

KeyboardFacts KeyboardSession::readFacts() {
    KeyboardFacts facts = factsOf(readInfo());
    const auto status = devicelink::readStatusBytes(*library_, transport_->timing().answerWait);
    if (status) facts.bank = devicelink::isBankB(*status) ? "B" : "A";
    return facts;
}

int KeyboardSession::activeProfile() {
    const int profile = commands_->activeProfile();
    if (profile < 0 || profile >= devicelink::kProfileCount)
        fail(ExitCode::KeyboardError, "the keyboard's active profile cannot be read");
    return profile;
}

int KeyboardSession::profileOr(int requested) {
    return requested >= 0 ? requested : activeProfile();
}

model::KeyboardMemory &KeyboardSession::readLayout() {
    requireDone(memory_.readDefaultMatrix(*commands_, {}), "the default key matrix read");
    memory_.setMacroCapacityFromInfo(readInfo());
    return memory_;
}

}  // namespace cli
