// Loading INI files from disk. Reads use parsed files kept between calls: the skin
// and language lookups read single values many times from the same few files; an
// entry is reused only while the file's identity, size and modification time are
// unchanged, and a replacement through an atomic write always changes the identity.
// Edits always read the file afresh.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "IniDocument.h"

namespace platform {

// The document of the file as it is now; an empty document when it cannot be read.
std::shared_ptr<const IniDocument> loadIniDocument(const std::filesystem::path &file);

// The document to change: empty for a file that does not exist yet, nothing for a
// file that exists but cannot be read (writing it would lose its contents).
std::optional<IniDocument> loadIniDocumentForEdit(const std::filesystem::path &file);

// One read-modify-write cycle: loads the file for editing, lets `edit` change the
// document and replaces the file atomically with the result. Cycles of the whole
// process run one at a time, so two edits of one file never lose each other's
// change. False when the file cannot be read, `edit` refuses or the write fails.
bool editIniDocument(const std::filesystem::path &file,
                     const std::function<bool(IniDocument &)> &edit);

}  // namespace platform
