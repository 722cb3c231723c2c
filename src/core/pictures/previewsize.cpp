#include "core/pictures/previewsize.h"

#include <array>
#include <cmath>

namespace pagoranto {

PixelSize PicturePreviewSize(PixelSize picture)
{
    if (picture.width <= 0 || picture.height <= 0)
        return picture;
    const double ratio = static_cast<double>(picture.width) / picture.height;
    // nearbyint in the default rounding mode sends halves to the even neighbour.
    if (ratio > 1)
        return {previewWidth, static_cast<int>(std::nearbyint(previewWidth / ratio))};
    return {static_cast<int>(std::nearbyint(previewHeight * ratio)), previewHeight};
}

JpegScale PreviewDecodeScale(PixelSize picture, PixelSize shown)
{
    constexpr std::array scales = {JpegScale::eighth, JpegScale::quarter, JpegScale::half};
    for (const JpegScale scale : scales) {
        const int divisor = static_cast<int>(scale);
        // The decoder rounds each reduced side up.
        const int width = (picture.width + divisor - 1) / divisor;
        const int height = (picture.height + divisor - 1) / divisor;
        if (width >= shown.width && height >= shown.height)
            return scale;
    }
    return JpegScale::full;
}

} // namespace pagoranto
