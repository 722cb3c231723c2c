#include "core/pictures/fittobox.h"

#include <algorithm>
#include <cmath>

namespace pagoranto {

PixelSize FitToBox(PixelSize picture, int boxWidth, int boxHeight)
{
    if (picture.width <= 0 || picture.height <= 0)
        return picture;
    // With a box side of at least 0 the loop ends once w reaches 0, after at most
    // 2 * boxWidth + 1 steps.
    const double maxHeight = std::max(boxHeight, 0);
    const double ratio = static_cast<double>(picture.width) / picture.height;
    double w = std::max(boxWidth, 0);
    double h = w / ratio;
    while (h > maxHeight) {
        w -= 0.5;
        h = w / ratio;
    }
    // nearbyint in the default rounding mode sends halves to the even neighbour.
    return PixelSize{static_cast<int>(std::nearbyint(w)), static_cast<int>(std::nearbyint(h))};
}

PixelSize FitWithoutEnlarging(PixelSize picture, int boxWidth, int boxHeight)
{
    const PixelSize fitted = FitToBox(picture, boxWidth, boxHeight);
    return PixelSize{std::min(fitted.width, picture.width),
                     std::min(fitted.height, picture.height)};
}

} // namespace pagoranto
