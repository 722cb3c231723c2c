#pragma once

#include "core/pictures/jpegdecoder.h"
#include "core/pictures/pixelsize.h"
#include "core/pictures/rgbimage.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// The JPEG preview that cameras and phones store in the EXIF block, as libexif hands it over;
// empty when the bytes that begin the photo hold none.
std::string ExifThumbnailOf(std::string_view jpegStart);

// The embedded preview of a photo, turned as the photo is displayed, when it can stand in for
// the photo: a sound JPEG of the photo's shape (each side within a pixel of the photo's ratio)
// and at least minimum on both sides. Empty otherwise.
std::optional<RgbImage> UsableEmbeddedPreview(std::string_view jpegStart, PixelSize storedPhoto,
                                              int orientation, PixelSize minimum);

// A small picture of a photo as displayed, for the tile list: the embedded preview when it is
// usable for a tile, else the decode at one eighth.
struct TilePicture {
    JpegDecodeResult decoded;
    bool fromEmbeddedPreview = false;
    // The photo's size as displayed; empty when its header could not be read.
    std::optional<PixelSize> photoSize;
};
TilePicture ReadTilePicture(const std::filesystem::path &path);

} // namespace pagoranto
