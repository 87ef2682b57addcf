// The device profile image: sending the key map pages and the macro area of the
// upload snapshot to the keyboard, and reading them back into a profile file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "DeviceEntry.h"
#include "KeyboardMemory.h"
#include "ProfileStore.h"
#include "TextLookup.h"
#include "UserMessage.h"

namespace devicelink {
class DeviceCommands;
}

namespace model {

// The pages and the macro area an upload sends.
struct UploadImage {
    enum class Status { Ready, MacrosTooLong, OutOfMemory };

    Status status = Status::Ready;
    std::vector<std::uint8_t> macroArea;
    bool namesLeftOut = false;        // the full area did not fit, the reduced one is sent
    std::vector<int> profiles;        // ascending
    std::vector<KeyPageBytes> pages;  // one per entry of `profiles`
};

// Builds what an upload of these profiles sends; the caller holds the store's lock.
// The macro area holds the names when it fits the capacity with them.
UploadImage buildUploadImage(const ProfileStore &store, const std::vector<int> &profiles,
                             const KeyPageBytes &defaultMatrix, std::uint32_t macroCapacity);

// The profile file image of pages and a macro area read from the keyboard:
// profiles 0..2 decoded, the fourth record group zero, no strings.
void decodeDeviceImage(const KeyPageBytes (&pages)[3], const KeyPageBytes &defaultMatrix,
                       std::vector<MacroRecord> &&macros, ProfileStore &out);

using CurrentProfileNumber = std::function<int()>;

class DeviceImageTransfer {
public:
    DeviceImageTransfer(devicelink::DeviceCommands &commands, KeyboardMemory &memory,
                        ProfileStore &snapshot, CurrentProfileNumber currentProfile,
                        MessageSink showMessage, TextLookup lookup);

    // Sends the snapshot: all three pages, or only the current profile's. Shows
    // "EXTRA_MACRO_TOO_LONG" and sends nothing when even the area without names
    // exceeds the capacity; shows "EXTRA_PROFILE_SPACE_TIGHT" after sending an
    // area without names. True when the macro area and every page were written.
    bool uploadDeviceImage(bool allProfiles);

    // Apply's upload: builds the working store's file image, copies the store
    // into the snapshot and sends it. The caller holds the working store's lock.
    bool uploadStore(ProfileStore &working, bool allProfiles);

    // Reads the three pages and the macro area and writes them to path as a
    // profile file. Nothing is written when a read fails or the keyboard's bytes
    // do not hold together.
    bool downloadDeviceImage(const std::filesystem::path &path);

private:
    bool sendUploadImage(const UploadImage &image);
    std::optional<std::vector<MacroRecord>> readMacros();

    devicelink::DeviceCommands &commands_;
    KeyboardMemory &memory_;
    ProfileStore &snapshot_;
    CurrentProfileNumber currentProfile_;
    MessageSink showMessage_;
    TextLookup lookup_;
};

}  // namespace model
