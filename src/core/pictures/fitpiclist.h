#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pagoranto {

// Repeats the last picture until the list fills its last thumbnail page of tpicCount pictures.
// A list that already fills its pages, an empty list or a tpicCount below 1 stays as it is.
// Returns the number of copies appended.
std::size_t FitPiclistToTemplate(std::vector<std::string> &list, int tpicCount);

} // namespace pagoranto
