#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// What copies keep of a photo: every segment the camera or an editor wrote (EXIF, XMP, IPTC,
// ICC profile, comments, makers' own) except the place it was taken. GPS goes from the EXIF
// block, and an XMP packet that holds GPS properties goes as a whole.

// The photo's bytes with the GPS position taken out and every other byte as it was; bytes that
// are no JPEG stream come back as they are.
std::string WithoutGpsPosition(std::string_view jpeg);

// A JPEG freshly made from the photo (encoded, or turned block by block), upright and carrying
// nothing but its own JFIF or Adobe segment, with the photo's metadata from sourceHeader (the
// photo's bytes up to at least its first scan): the EXIF block without GPS, with orientation 1,
// the fresh picture's size and no preview of the old pixels; the XMP packet with orientation 1;
// the rest byte for byte. What describes the source's own stream (JFIF, Adobe, the index of
// pictures appended to it) is not carried over. Either stream unreadable: fresh as it is.
std::string WithPhotoMetadata(std::string_view fresh, std::string_view sourceHeader);

} // namespace pagoranto
