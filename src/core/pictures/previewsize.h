#pragma once

#include "core/pictures/jpegdecoder.h"
#include "core/pictures/pixelsize.h"

namespace pagoranto {

inline constexpr int previewWidth = 317;
inline constexpr int previewHeight = 220;

// Landscape pictures are shown 317 wide, all others 220 high, at the picture's ratio (rounded
// to the nearest integer, halves to even). Small pictures are enlarged. A picture without a
// width or a height keeps its size.
PixelSize PicturePreviewSize(PixelSize picture);

// The strongest decoder reduction that still gives at least the shown size, so a large photo is
// not decoded in full for a small preview.
JpegScale PreviewDecodeScale(PixelSize picture, PixelSize shown);

} // namespace pagoranto
