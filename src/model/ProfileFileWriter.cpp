// Writing the store as a profile file.
#include <cstring>
#include <mutex>
#include <optional>

#include "ByteOrder.h"
#include "ProfileFile.h"
#include "ProfileFileHeader.h"
#include "platform/AtomicFile.h"

namespace model {
namespace {

// Lays the strings of the launch and text records one after the other into the
// area and stores each string's offset in its record.
void packStrings(ProfileStore &store, std::uint8_t *area, std::uint32_t areaSize) {
    std::uint32_t offset = 0;
    for (std::size_t slot = 0; slot < StringTable::kSlotCount; ++slot) {
        const std::uint32_t size = store.strings.byteSize(slot);
        if (size == 0 || size > areaSize - offset) continue;
        KeyAssignment assignment = store.record(slot);
        if (!kindHasString(assignment.kind)) continue;
        const std::uint32_t start = offset & ~1u;
        const std::u16string_view text = store.strings.text(slot);
        std::memcpy(area + start, text.data(), text.size() * sizeof(char16_t));
        assignment.value = start;
        store.setRecord(slot, assignment);
        offset += size;
    }
}

std::optional<std::unique_lock<std::recursive_mutex>> lockIfAsked(ProfileStore &store,
                                                                  StoreLocking locking) {
    if (locking == StoreLocking::AlreadyHeld) return std::nullopt;
    return std::unique_lock(store.mutex());
}

}  // namespace

std::filesystem::path profileFilePath(const std::filesystem::path &perUserFolder, int /*profile*/) {
    return perUserFolder / "$Profile0";
}

std::vector<std::uint8_t> buildProfileFileImage(ProfileStore &store) {
    const std::uint32_t stringBytes = store.strings.totalBytes();
    fillProfileFileHeader(std::span<std::uint8_t, 32>(store.block.data(), 32), store.macroCount(),
                          stringBytes, 0);
    const std::size_t macroBytes = store.macros.size() * sizeof(MacroRecord);
    std::vector<std::uint8_t> image(kProfileBlockSize + macroBytes + stringBytes, 0);
    std::uint8_t *area = image.data() + kProfileBlockSize + macroBytes;
    packStrings(store, area, stringBytes);
    std::memcpy(image.data(), store.block.data(), kProfileBlockSize);
    if (macroBytes != 0) {
        std::memcpy(image.data() + kProfileBlockSize, store.macros.data(), macroBytes);
    }
    return image;
}

bool writeProfileFile(ProfileStore &store, const std::filesystem::path &path,
                      StoreLocking locking) {
    const auto lock = lockIfAsked(store, locking);
    // A file the reader would refuse must not replace a good one.
    if (store.macros.size() > kMaxMacros || store.strings.totalBytes() > kMaxStringAreaBytes) {
        return false;
    }
    const std::vector<std::uint8_t> image = buildProfileFileImage(store);
    return platform::writeFileAtomically(path, bytesAsChars(image));
}

bool writeExistingProfileFile(ProfileStore &store, const std::filesystem::path &path,
                              StoreLocking locking) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    return writeProfileFile(store, path, locking);
}

}  // namespace model
