// The keyboard as one varnelctl run sees it: the device library bound from
// beside the executable, the report transport registered, and the command set.
// Opening fails with the exit code that says why: no keyboard, no permission
// to reach it, or a device library that cannot start.
#pragma once

#include <memory>
#include <string>

#include "devicelink/DeviceCommands.h"
#include "devicelink/DeviceRegions.h"
#include "devicelink/ReportTransport.h"
#include "model/KeyboardMemory.h"

namespace cli {

// What the info block says about the keyboard.
struct KeyboardFacts {
    std::uint16_t firmware = 0;
    int activeProfile = -1;
    std::uint32_t macroCapacity = 0;
    std::vector<int> modes;  // supported lighting mode codes, in selector order
    std::string bank;        // active extra-key bank "A" or "B"; empty when unknown
};

KeyboardFacts factsOf(const devicelink::InfoBlock &info);

// USBGATE_BACKEND as the device library reads it: "hidraw" unless told otherwise.
std::string backendName();

class KeyboardSession {
public:
    // The bound library with its transport; fails unless the library starts.
    KeyboardSession();
    ~KeyboardSession();
    KeyboardSession(const KeyboardSession &) = delete;
    KeyboardSession &operator=(const KeyboardSession &) = delete;

    // Keyboards on the command collection.
    std::uint32_t keyboardCount() const;
    // Fails with "no keyboard" (or "permission" when its nodes exist but cannot
    // be opened) unless a keyboard is present.
    void requireKeyboard() const;

    devicelink::DeviceCommands &commands() { return *commands_; }
    devicelink::InfoBlock readInfo();
    // The info block and the extra-key bank of the status collection.
    KeyboardFacts readFacts();
    // The active on-board profile 0..2; fails when it cannot be read.
    int activeProfile();
    // `requested` when it names a profile (0..2), else the active one.
    int profileOr(int requested);
    // The default matrix and macro capacity an upload or download needs.
    model::KeyboardMemory &readLayout();

private:
    const devicelink::UsbgateLibrary *library_ = nullptr;
    std::unique_ptr<devicelink::ReportTransport> transport_;
    std::unique_ptr<devicelink::DeviceCommands> commands_;
    model::KeyboardMemory memory_;
};

// Fails with "keyboard error" unless a device operation's result is 1.
void requireDone(std::int32_t result, const std::string &what);

}  // namespace cli
