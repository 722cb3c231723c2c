#pragma once

#include <string>
#include <vector>

namespace pagoranto {

// Alphabetical as the file lists show names: letter case counts only between names that are
// otherwise equal.
bool PictureNameLess(const std::string &a, const std::string &b);

void SortPictureNames(std::vector<std::string> &names);

} // namespace pagoranto
