#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

inline constexpr std::string_view sortingListExtension = ".qvlist";
inline constexpr std::string_view sortingListUnreadableText =
    "*ERROR* Unable to load sorting list\rmaybe you've selected a new picture directory !";

struct SortingListResult {
    bool ok = false;     // read, and every entry accepted
    bool opened = false; // the file could be read at all
    // The accepted entries in file order; empty lines are entries too.
    std::vector<std::string> names;
    // Entries naming something outside the picture directory, left out of names.
    std::vector<std::string> refused;
    // For a message box titled "ERROR" when not ok.
    std::string error;
};

// A picture name of a sorting list stays inside the picture directory: no "/" or "\" (lists
// written on Windows use "\") and not "..".
bool IsSortingListEntryAllowed(std::string_view entry);

SortingListResult LoadSortingList(const std::filesystem::path &file);

// One name per line, CR LF; false when the file cannot be written (an earlier file stays).
bool SaveSortingList(const std::filesystem::path &file, const std::vector<std::string> &names);

} // namespace pagoranto
