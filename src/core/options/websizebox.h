#pragma once

#include "core/options/websizeoptions.h"
#include "core/pictures/pixelsize.h"

#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// "1600 x 1200": width, "x" or "X", height, spaces allowed around each; each side within the
// range of the box's fields. Anything else is no box.
std::optional<PixelSize> ParseWebSizeBox(std::string_view text);

// The box as ParseWebSizeBox reads it back: "1600 x 1200".
std::string WebSizeBoxText(PixelSize box);

// Where the copies go below a destination directory ending in "/", with the box, or "off".
std::string WebSizeTargetText(std::string_view destinationDir, const WebSizeOptions &options);

} // namespace pagoranto
