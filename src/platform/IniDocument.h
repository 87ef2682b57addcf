// An INI file held line by line, so that a change touches one line and every other
// line, comment, blank and line ending stays as it was. Sections and keys are
// matched without regard to case; the first section of a name is the one that
// counts, and within it the first line of a key. Lines before any section, lines
// starting with ';' and lines without '=' belong to no key.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniDocument {
public:
    // Accepts UTF-8 (with or without a byte-order mark) and UTF-16LE with its mark;
    // serialize() writes the document back in the encoding it was read in.
    static IniDocument parse(std::string_view bytes);

    // The trimmed UTF-8 value of the key, or nothing when section or key is missing.
    std::optional<std::string_view> find(std::u16string_view section,
                                         std::u16string_view key) const;

    // Sets or removes one key. set() adds the section at the end when missing.
    // Both refuse names and values that would change the file's structure (line
    // breaks, '=' in a key, ']' in a section name) and then return false.
    bool set(std::u16string_view section, std::u16string_view key, std::string_view value);
    bool remove(std::u16string_view section, std::u16string_view key);

    std::vector<std::u16string> sectionNames() const;
    std::vector<std::u16string> keyNames(std::u16string_view section) const;

    std::string serialize() const;

private:
    struct Line {
        std::string text;
        std::string ending;  // "\n", "\r\n" or "" for a last line without one
    };
    struct Span {
        std::size_t header;  // index of the section line
        std::size_t end;     // one past the last line of the section
    };

    std::optional<Span> findSection(std::u16string_view section) const;
    std::optional<std::size_t> findKey(const Span &span, std::u16string_view key) const;
    void appendLine(std::string text);
    std::string defaultEnding() const;

    std::vector<Line> lines_;
    bool utf8Bom_ = false;
    bool utf16_ = false;
};

}  // namespace platform
