#pragma once

#include <string>
#include <vector>

namespace pagoranto {

// The tick of each caption after a sorting list is applied: every item unticked, then each
// one whose caption equals a line of the list without regard to the case of a..z ticked.
std::vector<bool> MarkListedPictures(const std::vector<std::string> &captions,
                                     const std::vector<std::string> &lines);

} // namespace pagoranto
