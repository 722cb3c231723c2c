#pragma once

#include "core/pictures/jpegdecoder.h"
#include "core/pictures/pixelsize.h"
#include "core/pictures/rgbimage.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace pagoranto {

// Cameras store a portrait photo sideways and say in its EXIF orientation tag (1..8) how to
// turn it; browsers honour the tag, so every size and picture the program shows or writes is
// the photo as displayed.

// The payload of the first APP1 segment that holds EXIF ("Exif\0\0" and what follows), before
// the first scan; empty when there is none.
std::string_view ExifBlockOf(std::string_view jpegStart);

// The tag's value, 1 (as stored) when the file has none, an unreadable one or none at all.
int ReadExifOrientation(const std::filesystem::path &path);
// The same from the bytes that begin a JPEG file, up to its first scan (a JpegHead's).
int ExifOrientationOf(std::string_view jpegStart);
// From an EXIF block ("Exif\0\0" and what follows) by libexif alone, whichever directory holds
// the tag: what the quicker reading of the first directory above must always agree with.
int ExifOrientationByLibexif(std::string_view exif);

// Orientations 5 to 8 turn the picture by a quarter, so width and height change places.
PixelSize DisplayedSize(PixelSize stored, int orientation);

// The stored picture turned and mirrored as the orientation says.
RgbImage OrientImage(const RgbImage &stored, int orientation);

// What a caller that sizes a photo and then decodes it needs, read once.
struct PhotoHeader {
    int orientation = 1;
    std::optional<PixelSize> displayedSize; // empty when the header cannot be read
};
PhotoHeader ReadPhotoHeader(const std::filesystem::path &path);

// The size of the photo as displayed; empty when the header cannot be read.
std::optional<PixelSize> ReadDisplayedPictureSize(const std::filesystem::path &path);

// Decodes the photo and turns it as displayed, by the orientation already read or by its own.
JpegDecodeResult DecodeDisplayedJpegFile(const std::filesystem::path &path, JpegScale scale,
                                         int orientation);
JpegDecodeResult DecodeDisplayedJpegFile(const std::filesystem::path &path,
                                         JpegScale scale = JpegScale::full);

} // namespace pagoranto
