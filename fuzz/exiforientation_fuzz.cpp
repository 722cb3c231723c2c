#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"
#include "core/pictures/pictureheadercache.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
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
