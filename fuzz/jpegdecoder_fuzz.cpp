#include "core/pictures/jpegdecoder.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

// The first byte picks the scale, the rest is the picture.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    constexpr JpegScale scales[] = {JpegScale::full, JpegScale::half, JpegScale::quarter,
                                    JpegScale::eighth};
    const JpegScale scale = scales[data[0] % 4];
    const std::string_view jpeg = fuzz::BytesOf(data + 1, size - 1);
    // A few damaged bytes may claim a picture of gigapixels: decoding it takes seconds, as
    // the decoder fills what is missing. The engine bounds that size; here it is only slow.
    if (const auto stated = ReadPictureSize(fuzz::WriteScratchFile("picture.jpg", jpeg))) {
        const std::uint64_t divisor = static_cast<std::uint64_t>(scale) * static_cast<int>(scale);
        if (std::uint64_t(stated->width) * std::uint64_t(stated->height) / divisor > 4'000'000)
            return 0;
    }
    const JpegDecodeResult result = DecodeJpegBytes(jpeg, scale);
    if (result.image) {
        const RgbImage &image = *result.image;
        if (image.width <= 0 || image.height <= 0 ||
            image.rgb.size() != std::size_t(image.width) * std::size_t(image.height) * 3)
            std::abort();
    }
    return 0;
}
