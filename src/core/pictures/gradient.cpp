#include "core/pictures/gradient.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace pagoranto {
namespace {

int Channel(ColourValue colour, int channel)
{
    return static_cast<int>((colour >> (8 * channel)) & 0xFF);
}

double Position(GradientType type, double x, double y, double width, double height)
{
    const double u = x / width;
    const double v = y / height;
    const double dx = 2 * u - 1;
    const double dy = 2 * v - 1;
    switch (type) {
    case GradientType::elliptic:
        return std::hypot(dx, dy);
    case GradientType::horizontalCenter:
        return std::abs(dx);
    case GradientType::horizontal:
        return u;
    case GradientType::radial1:
        return std::hypot(x - width / 2, y - height / 2) / std::hypot(width / 2, height / 2);
    case GradientType::radial2:
        return std::hypot(x, y) / std::hypot(width, height);
    case GradientType::rectangle:
        return std::max(std::abs(dx), std::abs(dy));
    case GradientType::verticalCenter:
        return std::abs(dy);
    case GradientType::vertical:
        return v;
    }
    return std::hypot(dx, dy);
}

} // namespace

RgbImage RenderGradient(int width, int height, ColourValue start, ColourValue end, int type)
{
    RgbImage image;
    if (width <= 0 || height <= 0)
        return image;
    image.width = width;
    image.height = height;
    image.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    const GradientType shape =
        type >= 0 && type <= 7 ? static_cast<GradientType>(type) : GradientType::elliptic;
    std::uint8_t *pixel = image.rgb.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = std::clamp(Position(shape, x + 0.5, y + 0.5, width, height), 0.0, 1.0);
            for (int channel = 0; channel < 3; ++channel) {
                const int from = Channel(start, channel);
                const int to = Channel(end, channel);
                *pixel++ = static_cast<std::uint8_t>(std::lround(from + t * (to - from)));
            }
        }
    }
    return image;
}

} // namespace pagoranto
