#include "ProfileTestSupport.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

#include "model/ProfileFile.h"
#include "model/ProfileFileHeader.h"

namespace model::test {

std::unique_ptr<ProfileStore> defaultStore() {
    auto store = std::make_unique<ProfileStore>();
    installDefaultProfileBlock(*store);
    return store;
}

MacroRecord macroWithSteps(std::uint16_t id, std::uint16_t steps) {
    MacroRecord macro{};
    macro.name[0] = u'M';
    macro.name[1] = static_cast<char16_t>(u'A' + id % 26);
    macro.cycles = 2;
    macro.id = id;
    macro.playMode = 3;
    macro.actionCount = steps;
    for (std::uint16_t i = 0; i < steps; ++i) {
        macro.actions[i] = {10u * i + id, static_cast<std::uint16_t>(0x10 + i % 40),
                            static_cast<std::uint16_t>(i % 2)};
    }
    return macro;
}

void assignString(ProfileStore &store, std::size_t global, std::uint16_t kind,
                  std::u16string_view text) {
    store.setRecord(global, {kind, 0, 0, 0, 0});
    store.strings.store(global, text);
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path &file, const std::vector<std::uint8_t> &bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void fixChecksum(std::vector<std::uint8_t> &image) {
    image[kChecksumOffset] =
        profileHeaderChecksum(std::span<const std::uint8_t, 32>(image.data(), 32));
}

}  // namespace model::test
