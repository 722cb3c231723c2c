#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"
#include "core/pictures/pictureheadercache.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

namespace {

// The input once more as the TIFF data of an EXIF block right after the start of a JPEG: the
// quick reading of the first directory must say what libexif says.
void CompareWithLibexif(std::string_view tiff)
{
    const std::string exif = std::string("Exif\0\0", 6) + std::string(tiff.substr(0, 65000));
    const std::size_t length = exif.size() + 2;
    const std::string jpeg = std::string("\xFF\xD8\xFF\xE1", 4) + char(length >> 8) +
                             char(length & 0xFF) + exif + std::string("\xFF\xD9", 2);
    if (ExifOrientationOf(jpeg) != ExifOrientationByLibexif(exif))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CompareWithLibexif(fuzz::BytesOf(data, size));
    const auto file = fuzz::WriteScratchFile("photo.jpg", fuzz::BytesOf(data, size));
    const int orientation = ReadExifOrientation(file);
    if (orientation < 1 || orientation > 8)
        std::abort();
    const PhotoHeader header = ReadPhotoHeader(file);
    if (header.orientation < 1 || header.orientation > 8)
        std::abort();
    ReadDisplayedPictureSize(file);
    // The run's cache reads the file once for all its questions; its answers are the readers'.
    PictureHeaderCache cache;
    if (cache.ExifOrientation(file) != orientation ||
        cache.DisplayedPictureSize(file) != header.displayedSize ||
        cache.PictureSize(file) != ReadPictureSize(file) ||
        cache.JpegComment(file) != ReadJpegComment(file) ||
        cache.JpegSize(file) != ReadJpegSize(file))
        std::abort();
    return 0;
}
