// Replacing a file whole: the data goes to a temporary file beside it, which is
// flushed to disk and renamed over the target, so a failure or crash part-way
// leaves the previous file untouched.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace model {

bool replaceFileAtomically(const std::filesystem::path &path, std::span<const std::uint8_t> data);

}  // namespace model
