// Whole-file reads and crash-safe whole-file writes: the new contents go to a
// temporary file in the same folder, are flushed to disk and then renamed over the
// old file, so a reader sees either the old or the new file, never a mix.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes of the file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path &file);

// Replaces (or creates) the file with the given bytes. A symbolic link is followed,
// so the link stays and its target is replaced. An existing file keeps its
// permission bits. Returns false on any failure; the previous file is then intact
// and no temporary file is left behind.
bool writeFileAtomically(const std::filesystem::path &file, std::string_view contents);

// Removes the temporary files that writes of ended processes left in the folder
// (a crash between writing and renaming): names "<file>.tmp.<pid>.<n>.<n>" whose
// process no longer runs. Other files and subfolders are never touched. Returns
// how many were removed.
std::size_t removeInterruptedWrites(const std::filesystem::path &folder);

// Test seam: called after the temporary file has been written and flushed and
// before it is renamed. Returning false makes the write fail there, as a crash at
// that moment would. An empty function (the default) lets every write through.
using AtomicWriteCheckpoint = std::function<bool(const std::filesystem::path &temporary)>;
void setAtomicWriteCheckpoint(AtomicWriteCheckpoint checkpoint);

}  // namespace platform
