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
    const JpegDecodeResult result =
        DecodeJpegBytes(fuzz::BytesOf(data + 1, size - 1), scales[data[0] % 4]);
    if (result.image) {
        const RgbImage &image = *result.image;
        if (image.width <= 0 || image.height <= 0 ||
            image.rgb.size() != std::size_t(image.width) * std::size_t(image.height) * 3)
            std::abort();
    }
    return 0;
}
