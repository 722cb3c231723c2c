#include "core/pictures/progressivedcdecoder.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<RgbImage> image = DecodeProgressiveDc(fuzz::BytesOf(data, size));
    if (image && (image->width <= 0 || image->height <= 0 ||
                  image->rgb.size() != std::size_t(image->width) * std::size_t(image->height) * 3))
        std::abort();
    return 0;
}
