#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// The picture turned and mirrored as its EXIF orientation (2..8) says, by moving its blocks of
// coefficients instead of decoding and encoding it again, so nothing of it is lost. The result
// carries no metadata (only its JFIF or Adobe segment). Empty when the turn cannot be perfect
// (a side that is no multiple of the block size would leave a seam of blocks at the wrong edge),
// when the orientation needs no turn, or when the stream does not read cleanly.
std::optional<std::string> TurnLosslessly(std::string_view jpeg, int orientation);

} // namespace pagoranto
