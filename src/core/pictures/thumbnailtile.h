#pragma once

#include "core/pictures/pixelsize.h"
#include "core/pictures/rgbimage.h"

namespace pagoranto {

inline constexpr int thumbnailTileWidth = 50;
inline constexpr int thumbnailTileHeight = 37;
inline constexpr int maxThumbnails = 2000;

inline constexpr int previewBoxWidth = 397;
inline constexpr int previewBoxHeight = 190;

// Where a picture lands on its tile.
struct TileRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const TileRect &, const TileRect &) = default;
};

// The fitted size of the decoded picture, centred by whole-pixel halves, never left of or
// above the tile.
TileRect PlaceTile(PixelSize decoded);

// A black tile of exactly thumbnailTileWidth x thumbnailTileHeight with the decoded picture
// stretched into PlaceTile's rectangle by nearest sample, without smoothing. A picture without
// pixels gives a black tile.
RgbImage DrawTile(const RgbImage &decoded);

// The size the decoder gives for a photo of that size at one eighth: each side rounded up.
PixelSize EighthSize(PixelSize photo);

// A tile of a picture larger than the tile's need, placed as the photo's one-eighth decode would
// be (the geometry of DrawTile) and reduced by area averaging, which looks like the decode's
// block means.
RgbImage DrawTileFromPreview(const RgbImage &preview, PixelSize photo);

// The preview box fit, clamped to the picture's own size: a preview is never enlarged.
PixelSize PreviewSize(PixelSize picture);

} // namespace pagoranto
