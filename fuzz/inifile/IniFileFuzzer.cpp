// Feeds arbitrary bytes to the INI reader. A UTF-8 document writes back the
// bytes it was read from; every section and key it lists is found; a value set
// reads back, also after writing and reading the document again, and leaves the
// value of every other key as it was. The same bytes as a file read the same
// through the file functions.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ScratchFolder.h"
#include "platform/AtomicFile.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

namespace {

using platform::IniDocument;

constexpr std::size_t kMostKeys = 64;  // keeps one input's checks short

struct Entry {
    std::u16string section;
    std::u16string key;
    std::optional<std::string> value;
};

std::vector<Entry> entriesOf(const IniDocument &document) {
    std::vector<Entry> entries;
    for (const auto &section : document.sectionNames()) {
        for (const auto &key : document.keyNames(section)) {
            if (entries.size() == kMostKeys) return entries;
            const auto value = document.find(section, key);
            if (!value) __builtin_trap();  // listed but not found
            entries.push_back({section, key, std::string(*value)});
        }
    }
    return entries;
}

void checkUnchanged(const IniDocument &document, const std::vector<Entry> &entries,
                    const Entry &changed) {
    for (const Entry &entry : entries) {
        if (entry.section == changed.section && entry.key == changed.key) continue;
        const auto value = document.find(entry.section, entry.key);
        if (!value || *value != *entry.value) __builtin_trap();
    }
}

// Sets the first listed key, or a new one, and checks what reads back.
void checkEdit(IniDocument document, const std::vector<Entry> &entries, bool newKey) {
    Entry changed =
        entries.empty() || newKey ? Entry{u"Fuzz Section", u"fuzz key", {}} : entries.front();
    if (!document.set(changed.section, changed.key, " set value ")) return;
    for (const IniDocument &reading : {document, IniDocument::parse(document.serialize())}) {
        if (reading.find(changed.section, changed.key) != "set value") __builtin_trap();
        checkUnchanged(reading, entries, changed);
    }
    if (!document.remove(changed.section, changed.key)) __builtin_trap();
}

const std::filesystem::path &scratchFile() {
    static const ScratchFolder folder;
    static const std::filesystem::path file = folder / "fuzzed.ini";
    return file;
}

void checkFile(std::string_view bytes, const IniDocument &document,
               const std::vector<Entry> &entries) {
    if (!platform::writeFileAtomically(scratchFile(), std::string(bytes))) return;
    for (const Entry &entry : entries) {
        const auto read = platform::readIniString(scratchFile(), entry.section, entry.key, u"");
        if (read != platform::readIniString(document, entry.section, entry.key, u"")) {
            __builtin_trap();
        }
        platform::readIniInt(scratchFile(), entry.section, entry.key, -1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const IniDocument document = IniDocument::parse(bytes);
    const bool utf16 = bytes.starts_with("\xFF\xFE");
    if (!utf16 && document.serialize() != bytes) __builtin_trap();
    const auto entries = entriesOf(document);
    checkEdit(document, entries, size % 2 == 0);
    checkFile(bytes, document, entries);
    return 0;
}
