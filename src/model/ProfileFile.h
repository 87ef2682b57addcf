// Profile files: the profile data file in the per-user folder, exports and
// imports (".vrp"), new files of the profile manager. One format: the profile
// block, the macro records, then the string area of the launch and text strings.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "ProfileStore.h"

namespace model {

enum class StoreLocking { TakeLock, AlreadyHeld };

// The largest string area a reader accepts (2048 strings of 64 KiB each).
inline constexpr std::uint32_t kMaxStringAreaBytes = 2048u * 65536u;

// Validation results.
inline constexpr int kProfileValid = 1;
inline constexpr int kProfileInvalid = 0;
inline constexpr int kProfileCannotOpen = -2;
inline constexpr int kProfileOutOfMemory = -3;

// The profile data file: folder / "$Profile0". Every profile number names the one
// file, which holds the records of all profiles.
std::filesystem::path profileFilePath(const std::filesystem::path &perUserFolder, int profile);

// The file image of the store: refills the header in the store's block and stores
// each string's offset in its record, as every writer does.
std::vector<std::uint8_t> buildProfileFileImage(ProfileStore &store);

// Writes the store to path. The file is replaced whole or not at all: a failure
// leaves any previous file as it was. False on failure.
bool writeProfileFile(ProfileStore &store, const std::filesystem::path &path, StoreLocking locking);

// As writeProfileFile, but only when path already exists; false otherwise.
bool writeExistingProfileFile(ProfileStore &store, const std::filesystem::path &path,
                              StoreLocking locking);

// Replaces the store's block, macros and strings with a file image. Returns 1,
// or 0 when the image is shorter than its header says, claims more than 100
// macros or a string area above kMaxStringAreaBytes, holds a string offset
// outside the string area or a string without a terminator in it, or strings
// whose copies together exceed kMaxStringAreaBytes. On 0 the store is left as it
// was. The caller holds the lock.
int readProfileData(std::span<const std::uint8_t> data, ProfileStore &store);
int readProfileFile(const std::filesystem::path &path, ProfileStore &store);

// Header checks of a file image: 1 valid; 0 too short (silent) or invalid.
// invalidHeader tells the two zeros apart.
int validateProfileData(std::span<const std::uint8_t> data, bool *invalidHeader = nullptr);

// Validates a file: 1 valid; 0 missing, too short (no message) or invalid (after
// calling onFormatError with the path, so the caller can show
// "PROFILE_FORMAT_ERROR"); -2 cannot be opened.
int validateProfileFile(const std::filesystem::path &path,
                        const std::function<void(const std::filesystem::path &)> &onFormatError);

// An import's read: validates the file, reads it whole into a scratch store and
// only then replaces `target`'s content (taking its lock). On any failure `target`
// is left as it was and false is returned; onFormatError is called as by
// validateProfileFile.
bool importProfileFile(const std::filesystem::path &path, ProfileStore &target,
                       const std::function<void(const std::filesystem::path &)> &onFormatError);

// Writes a new file of 32832 bytes with default records. 1, or 0 on failure.
int createDefaultProfileFile(const std::filesystem::path &path, std::uint8_t flag = 0);

// Installs a default block in the store without touching its macros and strings.
int installDefaultProfileBlock(ProfileStore &store, std::uint8_t flag = 0);

}  // namespace model
