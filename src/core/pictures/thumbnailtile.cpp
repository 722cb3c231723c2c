#include "core/pictures/thumbnailtile.h"

#include "core/pictures/fittobox.h"

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

RgbImage DrawTile(const RgbImage &decoded)
{
    RgbImage tile{
        thumbnailTileWidth, thumbnailTileHeight,
        std::vector<std::uint8_t>(std::size_t(thumbnailTileWidth) * thumbnailTileHeight * 3, 0)};
    if (decoded.width <= 0 || decoded.height <= 0 ||
        decoded.rgb.size() < std::size_t(decoded.width) * decoded.height * 3)
        return tile;
    const TileRect rect = PlaceTile(PixelSize{decoded.width, decoded.height});
    for (int y = 0; y < rect.height; ++y) {
        const int sourceY = static_cast<int>(std::int64_t(y) * decoded.height / rect.height);
        const std::uint8_t *sourceRow = &decoded.rgb[std::size_t(sourceY) * decoded.width * 3];
        std::uint8_t *targetRow =
            &tile.rgb[(std::size_t(rect.top + y) * thumbnailTileWidth + rect.left) * 3];
        for (int x = 0; x < rect.width; ++x) {
            const int sourceX = static_cast<int>(std::int64_t(x) * decoded.width / rect.width);
            std::memcpy(targetRow + std::size_t(x) * 3, sourceRow + std::size_t(sourceX) * 3, 3);
        }
    }
    return tile;
}

PixelSize PreviewSize(PixelSize picture)
{
    const PixelSize fitted = FitToBox(picture, previewBoxWidth, previewBoxHeight);
    return PixelSize{std::min(fitted.width, picture.width),
                     std::min(fitted.height, picture.height)};
}

} // namespace pagoranto
