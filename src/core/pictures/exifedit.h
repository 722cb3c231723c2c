#pragma once

#include "core/pictures/pixelsize.h"

#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// What a copy changes in the EXIF block beyond taking out the GPS position.
struct ExifChanges {
    // The copy's pixels stand as displayed: the orientation becomes 1 and the embedded preview,
    // which shows the old pixels, goes.
    bool upright = false;
    std::optional<PixelSize> pixelSize; // the copy's size, for PixelXDimension/PixelYDimension
};

// An EXIF block ("Exif\0\0" and what follows, an APP1 segment's payload) for a copy: without
// its GPS directory, with the changes made. A block that needs no change comes back as it is,
// byte for byte; empty when nothing is left that fits a segment.
std::optional<std::string> EditedExif(std::string_view exif, const ExifChanges &changes);

// The block has a GPS directory, by libexif's reading or by a GPS pointer in its first
// directory that libexif could not follow.
bool ExifHoldsGps(std::string_view exif);

} // namespace pagoranto
