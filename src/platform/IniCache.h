// Parsed INI files kept between reads. The skin and language lookups read single
// values many times from the same few files; an entry is reused only while the
// file's identity, size and modification time are unchanged, and a replacement
// through an atomic write always changes the identity.
#pragma once

#include <filesystem>
#include <memory>

#include "IniDocument.h"

namespace platform {

// The document of the file as it is now; an empty document when it cannot be read.
std::shared_ptr<const IniDocument> loadIniDocument(const std::filesystem::path &file);

}  // namespace platform
