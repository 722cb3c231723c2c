#include "core/pictures/exiforientation.h"
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
    return 0;
}
