// Stores, files and folders for the profile file tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "ScratchFolder.h"
#include "model/ProfileStore.h"

namespace model::test {

using TemporaryFolder = ScratchFolder;

std::unique_ptr<ProfileStore> defaultStore();
MacroRecord macroWithSteps(std::uint16_t id, std::uint16_t steps);
void assignString(ProfileStore &store, std::size_t global, std::uint16_t kind,
                  std::u16string_view text);

std::vector<std::uint8_t> readBytes(const std::filesystem::path &file);
void writeBytes(const std::filesystem::path &file, const std::vector<std::uint8_t> &bytes);

// Rewrites the header's checksum after a test changed header fields.
void fixChecksum(std::vector<std::uint8_t> &image);

}  // namespace model::test
