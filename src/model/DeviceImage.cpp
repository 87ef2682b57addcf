#include "DeviceImage.h"

#include <memory>
#include <mutex>
#include <new>

#include "AssignmentEncoding.h"
#include "MacroArea.h"
#include "MacroList.h"
#include "ProfileFile.h"
#include "devicelink/DeviceCommands.h"
#include "devicelink/DeviceResult.h"

namespace model {
namespace {

using devicelink::kDone;

// Key records name macros by id; the keyboard plays them by their position in
// the area being sent, which is this store's list.
MacroPositionOfId positionsIn(const ProfileStore &store) {
    return [&store](std::uint32_t id) { return indexOfMacroId(store, id); };
}

bool isOnBoardProfile(int profile) {
    return profile >= 0 && profile < kProfileCount;
}

}  // namespace

UploadImage buildUploadImage(const ProfileStore &store, const std::vector<int> &profiles,
                             const KeyPageBytes &defaultMatrix, std::uint32_t macroCapacity) {
    UploadImage image;
    const MacroAreaSizes sizes = macroAreaSizes(store.macros);
    if (sizes.reduced > macroCapacity) {
        image.status = UploadImage::Status::MacrosTooLong;
        return image;
    }
    image.namesLeftOut = sizes.full > macroCapacity;
    auto area = buildMacroArea(store.macros, !image.namesLeftOut);
    if (!area) {
        image.status = UploadImage::Status::MacrosTooLong;
        return image;
    }
    image.macroArea = std::move(*area);
    image.profiles = profiles;
    const MacroPositionOfId macroPosition = positionsIn(store);
    for (const int profile : profiles) {
        image.pages.push_back(buildKeyPage(store.block, profile, defaultMatrix, macroPosition));
    }
    return image;
}

void decodeDeviceImage(const KeyPageBytes (&pages)[3], const KeyPageBytes &defaultMatrix,
                       std::vector<MacroRecord> &&macros, ProfileStore &out) {
    out.block.fill(0);
    writeDeviceBlockHeader(out.block);
    for (int profile = 0; profile < kProfileCount; ++profile) {
        decodeKeyPage(pages[profile], defaultMatrix, profile, out.block);
    }
    out.macros = std::move(macros);
    out.strings.clear();
}

DeviceImageTransfer::DeviceImageTransfer(devicelink::DeviceCommands &commands,
                                         KeyboardMemory &memory, ProfileStore &snapshot,
                                         CurrentProfileNumber currentProfile,
                                         MessageSink showMessage, TextLookup lookup)
    : commands_(commands),
      memory_(memory),
      snapshot_(snapshot),
      currentProfile_(std::move(currentProfile)),
      showMessage_(std::move(showMessage)),
      lookup_(std::move(lookup)) {}

bool DeviceImageTransfer::uploadStore(ProfileStore &working, bool allProfiles) {
    {
        std::lock_guard lock(snapshot_.mutex());
        buildProfileFileImage(working);
        snapshot_.copyContentFrom(working);
    }
    return uploadDeviceImage(allProfiles);
}

bool DeviceImageTransfer::uploadDeviceImage(bool allProfiles) {
    std::vector<int> profiles{0, 1, 2};
    if (!allProfiles) {
        const int current = currentProfile_ ? currentProfile_() : -1;
        if (!isOnBoardProfile(current)) return false;
        profiles = {current};
    }
    UploadImage image;
    try {
        std::lock_guard lock(snapshot_.mutex());
        image =
            buildUploadImage(snapshot_, profiles, memory_.defaultMatrix(), memory_.macroCapacity());
    } catch (const std::bad_alloc &) {
        return false;
    }
    if (image.status == UploadImage::Status::MacrosTooLong) {
        if (showMessage_) showMessage_({u"EXTRA_MACRO_TOO_LONG", std::nullopt, true});
        return false;
    }
    const bool sent = sendUploadImage(image);
    if (image.namesLeftOut && showMessage_) {
        showMessage_({u"EXTRA_PROFILE_SPACE_TIGHT", std::nullopt, true});
    }
    return sent;
}

bool DeviceImageTransfer::sendUploadImage(const UploadImage &image) {
    commands_.beginCommand();
    // Pages refer to macros by their position in this area: an upload whose area
    // did not arrive has not succeeded, even when every page did.
    bool written = commands_.writeMacroArea(image.macroArea) == kDone;
    for (std::size_t index = 0; index < image.pages.size(); ++index) {
        written =
            commands_.writeKeyPage(image.pages[index], image.profiles[index]) == kDone && written;
    }
    commands_.endCommand();
    return written;
}

std::optional<std::vector<MacroRecord>> DeviceImageTransfer::readMacros() {
    std::vector<std::uint8_t> area(kMacroAreaHeaderSize);
    if (commands_.readMacroArea(area) != kDone) return std::nullopt;
    const MacroAreaHeader header = parseMacroAreaHeader(area);
    if (!header.marked) return std::vector<MacroRecord>{};
    const std::uint32_t capacity = memory_.macroCapacity();
    const std::size_t limit = capacity != 0 ? capacity : kMacroAreaMaxSize;
    // Refuse before reading: the size is the keyboard's word, not yet checked.
    if (header.totalSize < kMacroAreaHeaderSize || header.totalSize > limit) return std::nullopt;
    area.resize(header.totalSize);
    if (commands_.readMacroArea(area) != kDone) return std::nullopt;
    return decodeMacroArea(area, limit, lookup_);
}

bool DeviceImageTransfer::downloadDeviceImage(const std::filesystem::path &path) {
    const int current = currentProfile_ ? currentProfile_() : -1;
    if (current < 0 || current > kProfileCount) return false;
    KeyPageBytes pages[3]{};
    for (int profile = 0; profile < kProfileCount; ++profile) {
        if (commands_.readKeyPage(pages[profile], profile) != kDone) return false;
    }
    auto macros = readMacros();
    if (!macros) return false;
    auto image = std::make_unique<ProfileStore>();
    std::lock_guard lock(image->mutex());
    decodeDeviceImage(pages, memory_.defaultMatrix(), std::move(*macros), *image);
    return writeProfileFile(*image, path, StoreLocking::AlreadyHeld);
}

}  // namespace model
