// Reading a profile file into the store, refusing images that do not hold what
// their header and records claim.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

#include "ProfileFile.h"
#include "ProfileFileHeader.h"

namespace model {
namespace {

std::span<const std::uint8_t, 32> headerOf(std::span<const std::uint8_t> data) {
    return std::span<const std::uint8_t, 32>(data.data(), 32);
}

// The string starting at offset (rounded down to even), ending at its terminator
// inside the area; none when either lies outside.
std::optional<std::u16string> stringAt(std::span<const std::uint8_t> area, std::uint32_t offset) {
    std::size_t position = offset & ~1u;
    std::u16string text;
    while (position + 1 < area.size()) {
        const auto unit = static_cast<char16_t>(area[position] | area[position + 1] << 8);
        if (unit == u'\0') return text;
        text.push_back(unit);
        position += 2;
    }
    return std::nullopt;
}

bool loadStrings(std::span<const std::uint8_t> records, std::span<const std::uint8_t> area,
                 StringTable &strings) {
    for (std::size_t slot = 0; slot < kRecordCount; ++slot) {
        KeyAssignment assignment;
        std::memcpy(&assignment, records.data() + slot * sizeof assignment, sizeof assignment);
        if (!kindHasString(assignment.kind)) continue;
        const auto text = stringAt(area, assignment.value);
        if (!text) return false;
        strings.store(slot, *text);
        // Records of a crafted file may all point at one long string; the copies
        // together stay within what a real file could hold.
        if (strings.totalBytes() > kMaxStringAreaBytes) return false;
    }
    return true;
}

// A store holds at most 100 macros; a string area beyond any real need is refused
// before anything is allocated for it.
bool isReadableSize(const ProfileFileHeader &header) {
    return header.macroCount <= kMaxMacros && header.stringBytes <= kMaxStringAreaBytes;
}

}  // namespace

int readProfileData(std::span<const std::uint8_t> data, ProfileStore &store) {
    if (data.size() < kProfileBlockSize) return 0;
    const ProfileFileHeader header = parseProfileFileHeader(headerOf(data));
    if (!isReadableSize(header)) return 0;
    const std::uint64_t needed = profileFileSize(header.macroCount, header.stringBytes);
    if (data.size() < needed || data.size() < header.totalSize) return 0;

    const std::size_t macroBytes = header.macroCount * sizeof(MacroRecord);
    const auto area = data.subspan(kProfileBlockSize + macroBytes, header.stringBytes);
    auto strings = std::make_unique<StringTable>();
    if (!loadStrings(data.subspan(kRecordsOffset, kRecordCount * sizeof(KeyAssignment)), area,
                     *strings)) {
        return 0;
    }
    std::vector<MacroRecord> macros(header.macroCount);
    if (macroBytes != 0) std::memcpy(macros.data(), data.data() + kProfileBlockSize, macroBytes);

    std::memcpy(store.block.data(), data.data(), kProfileBlockSize);
    store.macros = std::move(macros);
    store.strings = std::move(*strings);
    return 1;
}

int readProfileFile(const std::filesystem::path &path, ProfileStore &store) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return 0;
    std::vector<std::uint8_t> header(kFileHeaderSize);
    if (!file.read(reinterpret_cast<char *>(header.data()), kFileHeaderSize)) return 0;
    const ProfileFileHeader fields = parseProfileFileHeader(headerOf(header));
    if (!isReadableSize(fields)) return 0;
    // Read only what the header claims, never more; a shorter file is refused.
    const std::uint64_t needed = std::max<std::uint64_t>(
        profileFileSize(fields.macroCount, fields.stringBytes), fields.totalSize);
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(path, error);
    if (error || fileSize < needed) return 0;
    std::vector<std::uint8_t> data(needed);
    std::memcpy(data.data(), header.data(), kFileHeaderSize);
    if (!file.read(reinterpret_cast<char *>(data.data() + kFileHeaderSize),
                   static_cast<std::streamsize>(needed - kFileHeaderSize))) {
        return 0;
    }
    return readProfileData(data, store);
}

}  // namespace model
