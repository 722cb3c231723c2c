#pragma once

#include <cstdint>
#include <string>

namespace pagoranto {

// Colours hold red in the lowest byte, green in the second and blue in the third.
using ColourValue = std::uint32_t;

// The thumbnail options window's values, also the thumbnailer's input.
struct ThumbnailOptions {
    int ScrollBar2 = 40;  // width, 20..320
    int ScrollBar3 = 30;  // height, 15..240
    int ScrollBar1 = 70;  // JPEG quality, 1..100
    bool CheckBox1 = false;  // greyscaled
    ColourValue Panel11 = 8388608;  // gradient start, navy
    ColourValue Panel12 = 16777088;  // gradient end
    int RadioGroup2 = 0;  // gradient type, 0..7
    int ScrollBar6 = 5;  // horizontal margin, 0..20
    int ScrollBar5 = 5;  // vertical margin, 0..20
    bool Drei3d_check = false;  // 3-D frame
    int ScrollBar4 = 0;  // border width of the placed thumbnail, 0..10
    std::string thumbdir = "thumbnails";

    // The thumbnail directory as pages address it, ending in "/".
    std::string thumbnailDir() const { return thumbdir + "/"; }
};

} // namespace pagoranto
