#pragma once

#include "core/pictures/jpegdecoder.h"

#include <string>

namespace pagoranto {

enum class PictureDamage {
    none,
    partly,     // a picture came out, but part of it is missing or made up
    unreadable, // no picture at all
};

// What a decode tells the user about a picture's file: how damaged it is and why, in plain
// words ("The file is empty."). The reason is empty for an undamaged picture.
struct PictureCondition {
    PictureDamage damage = PictureDamage::none;
    std::string reason;
};

// A few stray bytes between the parts of a file cost the picture nothing; every other
// complaint of the decoder about a picture it still made means missing or invented pixels.
PictureCondition ConditionOf(const JpegDecodeResult &decoded);

} // namespace pagoranto
