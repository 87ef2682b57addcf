// Header checks of profile files before an import.
#include <array>
#include <fstream>

#include "ProfileFile.h"
#include "ProfileFileHeader.h"

namespace model {
namespace {

constexpr std::uint64_t kLargestFile = 0xFFFFFFFFull;  // 4 GiB and more are refused

}  // namespace

int validateProfileData(std::span<const std::uint8_t> data, bool *invalidHeader) {
    if (invalidHeader != nullptr) *invalidHeader = false;
    if (data.size() < kProfileBlockSize || data.size() > kLargestFile) return kProfileInvalid;
    if (isValidProfileFileHeader(std::span<const std::uint8_t, 32>(data.data(), 32))) {
        return kProfileValid;
    }
    if (invalidHeader != nullptr) *invalidHeader = true;
    return kProfileInvalid;
}

int validateProfileFile(const std::filesystem::path &path,
                        const std::function<void(const std::filesystem::path &)> &onFormatError) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return kProfileInvalid;
    std::ifstream file(path, std::ios::binary);
    if (!file) return kProfileCannotOpen;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size < kProfileBlockSize || size > kLargestFile) return kProfileInvalid;
    // Every check is on the header; the rest of the file need not be read here.
    std::array<std::uint8_t, 32> header{};
    if (!file.read(reinterpret_cast<char *>(header.data()), header.size()))
        return kProfileCannotOpen;
    if (isValidProfileFileHeader(header)) return kProfileValid;
    if (onFormatError) onFormatError(path);
    return kProfileInvalid;
}

bool importProfileFile(const std::filesystem::path &path, ProfileStore &target,
                       const std::function<void(const std::filesystem::path &)> &onFormatError) {
    if (validateProfileFile(path, onFormatError) != kProfileValid) return false;
    ProfileStore imported;
    if (readProfileFile(path, imported) != 1) return false;
    std::lock_guard lock(target.mutex());
    std::lock_guard importedLock(imported.mutex());
    target.copyContentFrom(imported);
    return true;
}

}  // namespace model
