#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// The typed mask with its extension (from the last "." of its name part on) replaced by ".jpg";
// a mask without one gets ".jpg" appended: "holiday*" gives "holiday*.jpg".
std::string JpgFileMask(std::string_view typed);

// "*" stands for any run of characters, "?" for exactly one; letters match without regard to
// case, as file masks did where the program comes from. Several masks may be given separated
// by ";"; a name matching any of them matches.
bool MatchesFileMask(std::string_view name, std::string_view mask);

// File names (no directory) in dir that match mask, in the alphabetical order of the picture
// lists (letter case does not count); empty when the directory cannot be read.
std::vector<std::string> ListFilesMatching(const std::string &dir, std::string_view mask);

} // namespace pagoranto
