#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// One key of an option file bound to the control that holds it, so that a file and the
// complete configuration share each key's encoding.
struct OptionEntry {
    std::string_view key;
    std::function<std::string()> encode;
    // Empty for keys that are written but never read back.
    std::function<void(std::string_view)> decode;
};

using OptionEntries = std::vector<OptionEntry>;

// Text kept verbatim, cut to the control's maximum length (0: no maximum).
OptionEntry TextEntry(std::string_view key, std::string &field, std::size_t maxCharacters = 0);
// "1" / "0"; checked on reading exactly when the value is "1".
OptionEntry FlagEntry(std::string_view key, bool &field);
// "1" / "0"; read as a number: 1 checks, 0 clears, anything else leaves the box as it was.
OptionEntry NumericFlagEntry(std::string_view key, bool &field);
// Decimal; the leading digits are read and clamped to minimum..maximum.
OptionEntry NumberEntry(std::string_view key, int &field, int minimum, int maximum);
// A written value that is not read back.
OptionEntry FixedEntry(std::string_view key, std::string value);

// False when the file cannot be read or its first line is not exactly sectionLine; nothing
// is then decoded. Otherwise each entry is taken only from its own line number.
bool ReadOptionEntries(const std::filesystem::path &file, std::string_view sectionLine,
                       const OptionEntries &entries);

// False when the file cannot be written; an earlier file then stays as it was.
bool WriteOptionEntries(const std::filesystem::path &file, std::string_view sectionLine,
                        const OptionEntries &entries);

} // namespace pagoranto
