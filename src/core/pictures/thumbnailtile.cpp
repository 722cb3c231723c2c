#include "core/pictures/thumbnailtile.h"

#include "core/pictures/fittobox.h"
#include "core/pictures/resample.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace pagoranto {

TileRect PlaceTile(PixelSize decoded)
{
    const PixelSize fitted = FitToBox(decoded, thumbnailTileWidth, thumbnailTileHeight);
    // A picture without a ratio keeps its own size in the fit; the tile still bounds it.
    const int width = std::clamp(fitted.width, 0, thumbnailTileWidth);
    const int height = std::clamp(fitted.height, 0, thumbnailTileHeight);
    return TileRect{std::max(thumbnailTileWidth / 2 - width / 2, 0),
                    std::max(thumbnailTileHeight / 2 - height / 2, 0), width, height};
}

namespace {

bool HasPixels(const RgbImage &picture)
{
    return picture.width > 0 && picture.height > 0 &&
           picture.rgb.size() >= std::size_t(picture.width) * picture.height * 3;
}

// A black tile with the picture stretched into rect by nearest sample.
RgbImage TileWith(const RgbImage &picture, const TileRect &rect)
{
    RgbImage tile{
        thumbnailTileWidth, thumbnailTileHeight,
        std::vector<std::uint8_t>(std::size_t(thumbnailTileWidth) * thumbnailTileHeight * 3, 0)};
    if (!HasPixels(picture))
        return tile;
    for (int y = 0; y < rect.height; ++y) {
        const int sourceY = static_cast<int>(std::int64_t(y) * picture.height / rect.height);
        const std::uint8_t *sourceRow = &picture.rgb[std::size_t(sourceY) * picture.width * 3];
        std::uint8_t *targetRow =
            &tile.rgb[(std::size_t(rect.top + y) * thumbnailTileWidth + rect.left) * 3];
        for (int x = 0; x < rect.width; ++x) {
            const int sourceX = static_cast<int>(std::int64_t(x) * picture.width / rect.width);
            std::memcpy(targetRow + std::size_t(x) * 3, sourceRow + std::size_t(sourceX) * 3, 3);
        }
    }
    return tile;
}

} // namespace

RgbImage DrawTile(const RgbImage &decoded)
{
    return TileWith(decoded, PlaceTile(PixelSize{decoded.width, decoded.height}));
}

PixelSize EighthSize(PixelSize photo)
{
    return PixelSize{(photo.width + 7) / 8, (photo.height + 7) / 8};
}

RgbImage DrawTileFromPreview(const RgbImage &preview, PixelSize photo)
{
    const TileRect rect = PlaceTile(EighthSize(photo));
    if (!HasPixels(preview) || rect.width <= 0 || rect.height <= 0)
        return TileWith(RgbImage{}, rect);
    // Reduced to the placed size, the nearest sample copies it pixel for pixel.
    return TileWith(Resample(preview, rect.width, rect.height), rect);
}

PixelSize PreviewSize(PixelSize picture)
{
    const PixelSize fitted = FitToBox(picture, previewBoxWidth, previewBoxHeight);
    return PixelSize{std::min(fitted.width, picture.width),
                     std::min(fitted.height, picture.height)};
}

} // namespace pagoranto
