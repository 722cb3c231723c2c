#pragma once

#include "core/text/bytetext.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// Writes a section line and "KEYW=value" entries; every line ends in CR LF.
class OptionFileWriter {
public:
    explicit OptionFileWriter(std::string_view sectionLine);

    void add(std::string_view key, std::string_view value);

    const ByteLines &lines() const { return m_lines; }
    // False when the file cannot be written; an earlier file then stays as it was.
    bool save(const std::filesystem::path &file) const;

private:
    ByteLines m_lines;
};

// Reads entries by their line number: an entry counts only where the file's own writer puts
// it, so a missing or extra line makes the entries after it fall on the wrong lines.
class OptionFileReader {
public:
    // Empty when the file cannot be read; its section line is not checked.
    static std::optional<OptionFileReader> open(const std::filesystem::path &file);
    explicit OptionFileReader(ByteLines lines);

    bool sectionMatches(std::string_view sectionLine) const;

    // Takes the next line; its value when the line starts with key followed by "=".
    std::optional<std::string> next(std::string_view key);

private:
    ByteLines m_lines;
    std::size_t m_position = 1;
};

// A control's value set from a file: "1" checks a box, anything else clears it.
inline bool DecodeFlag(std::string_view value)
{
    return value == "1";
}

// The leading decimal digits of value, clamped to the control's range; empty when there are
// none.
std::optional<int> DecodeNumber(std::string_view value, int minimum, int maximum);

// The text without one trailing "\" (or "/").
std::string StripTrailingBackslash(std::string_view text);

// "5" gives "005", "320" stays "320".
std::string ZeroPad3(std::string_view text);

} // namespace pagoranto
