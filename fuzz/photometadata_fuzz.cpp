#include "core/pictures/copypictures.h"
#include "core/pictures/exifedit.h"
#include "core/pictures/jpegsegments.h"
#include "core/pictures/losslessturn.h"
#include "core/pictures/photometadata.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

namespace {

// Whatever a copy keeps of a stream must read as a stream again and hold no GPS directory.
void CheckKept(std::string_view input, const std::string &kept)
{
    if (!ReadJpegLayout(input))
        return;
    const std::optional<JpegLayout> layout = ReadJpegLayout(kept);
    if (!layout)
        std::abort();
    for (const JpegSegment &segment : layout->header)
        if (HasSegmentName(segment, 0xE1, std::string_view("Exif\0\0", 6)) &&
            ExifHoldsGps(segment.payload))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input = fuzz::BytesOf(data, size);
    CheckKept(input, WithoutGpsPosition(input));
    // A tiny fresh stream to carry the input's metadata.
    static const std::string fresh = [] {
        const std::optional<std::string> turned =
            TurnLosslessly(std::string_view("\xFF\xD8\xFF\xD9", 4), 6);
        return turned.value_or(std::string("\xFF\xD8\xFF\xDA\x00\x02\xFF\xD9", 8));
    }();
    CheckKept(fresh, WithPhotoMetadata(fresh, input));
    for (int orientation = 2; orientation <= 8; orientation += 3)
        TurnLosslessly(input, orientation);
    if (input.size() <= 65533) {
        const std::optional<std::string> edited = EditedExif(input, {true, PixelSize{7, 9}});
        if (edited && ExifHoldsGps(*edited))
            std::abort();
    }
    PlainCopyBytes(fuzz::WriteScratchFile("photo.jpg", input));
    return 0;
}
