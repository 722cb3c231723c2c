#include "thumbnailer/thumbnailcomposer.h"

#include "core/pictures/fittobox.h"
#include "core/pictures/gradient.h"
#include "core/pictures/resample.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace pagoranto {
namespace {

constexpr int frameWidth = 2;

struct Grey {
    std::uint8_t level;
};

int Width(const ThumbnailOptions &options)
{
    return std::clamp(options.ScrollBar2, 20, 320);
}

int Height(const ThumbnailOptions &options)
{
    return std::clamp(options.ScrollBar3, 15, 240);
}

void SetPixel(RgbImage &image, int x, int y, Grey grey)
{
    if (x < 0 || y < 0 || x >= image.width || y >= image.height)
        return;
    std::uint8_t *pixel = image.rgb.data() + (static_cast<std::size_t>(y) * image.width + x) * 3;
    pixel[0] = pixel[1] = pixel[2] = grey.level;
}

void FillRect(RgbImage &image, int left, int top, int width, int height, Grey grey)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            SetPixel(image, x, y, grey);
}

void Paste(RgbImage &target, const RgbImage &picture, int left, int top)
{
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t *from = picture.rgb.data() + y * rowBytes;
        std::uint8_t *to =
            target.rgb.data() + (static_cast<std::size_t>(top + y) * target.width + left) * 3;
        std::copy(from, from + rowBytes, to);
    }
}

void DrawFrame(RgbImage &image)
{
    const Grey light[frameWidth] = {{255}, {208}};
    const Grey dark[frameWidth] = {{64}, {128}};
    for (int ring = 0; ring < frameWidth; ++ring) {
        const int right = image.width - 1 - ring;
        const int bottom = image.height - 1 - ring;
        FillRect(image, ring, ring, right - ring + 1, 1, light[ring]);
        FillRect(image, ring, ring, 1, bottom - ring + 1, light[ring]);
        FillRect(image, ring, bottom, right - ring + 1, 1, dark[ring]);
        FillRect(image, right, ring, 1, bottom - ring + 1, dark[ring]);
    }
}

} // namespace

PixelSize PlacedPictureSize(PixelSize picture, const ThumbnailOptions &options)
{
    const int border = std::clamp(options.ScrollBar4, 0, 10);
    const int boxWidth =
        std::max(1, Width(options) - 2 * std::clamp(options.ScrollBar6, 0, 20) - 2 * border);
    const int boxHeight =
        std::max(1, Height(options) - 2 * std::clamp(options.ScrollBar5, 0, 20) - 2 * border);
    const PixelSize fitted = FitToBox(picture, boxWidth, boxHeight);
    return {std::clamp(fitted.width, 1, boxWidth), std::clamp(fitted.height, 1, boxHeight)};
}

JpegScale ChooseDecodeScale(PixelSize picture, PixelSize wanted)
{
    for (const JpegScale scale : {JpegScale::eighth, JpegScale::quarter, JpegScale::half}) {
        const int divisor = static_cast<int>(scale);
        // The decoder rounds each side up.
        if ((picture.width + divisor - 1) / divisor >= wanted.width &&
            (picture.height + divisor - 1) / divisor >= wanted.height)
            return scale;
    }
    return JpegScale::full;
}

RgbImage ComposeThumbnail(const RgbImage &picture, const ThumbnailOptions &options)
{
    RgbImage thumbnail = RenderGradient(Width(options), Height(options), options.Panel11,
                                        options.Panel12, options.RadioGroup2);
    const PixelSize placed = PlacedPictureSize({picture.width, picture.height}, options);
    const RgbImage scaled = Resample(picture, placed.width, placed.height);
    if (scaled.width > 0) {
        const int left = (thumbnail.width - scaled.width) / 2;
        const int top = (thumbnail.height - scaled.height) / 2;
        const int border = std::clamp(options.ScrollBar4, 0, 10);
        FillRect(thumbnail, left - border, top - border, scaled.width + 2 * border,
                 scaled.height + 2 * border, Grey{255});
        Paste(thumbnail, scaled, left, top);
    }
    if (options.Drei3d_check)
        DrawFrame(thumbnail);
    return thumbnail;
}

} // namespace pagoranto
