#pragma once

#include <array>
#include <string>

namespace pagoranto {

inline constexpr int locationColumnRows = 16;

// The labels beside the visible rows topIndex .. topIndex + 15 of the picture list: "P" and the
// page the picture lands on, at least three digits, behind a group marker ("", "#", "  #" in
// turn) that moves on wherever the page changes from the row above. Rows past the last entry
// get a single blank, and so does every row while no page size is known.
std::array<std::string, locationColumnRows> PictureLocationLabels(int topIndex, int entryCount,
                                                                  int picturesPerPage);

} // namespace pagoranto
