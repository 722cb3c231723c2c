#pragma once

#include "core/options/thumbnailoptions.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/pixelsize.h"
#include "core/pictures/rgbimage.h"

namespace pagoranto {

// The size the picture takes inside the thumbnail: it keeps its ratio and fits into what the
// margins (ScrollBar6 at the left and right, ScrollBar5 at the top and bottom) and the border
// (ScrollBar4 on every side) leave of the thumbnail, at least 1 x 1.
PixelSize PlacedPictureSize(PixelSize picture, const ThumbnailOptions &options);

// The strongest reduction the decoder can do itself that still leaves the picture at least as
// large as wanted, so the final resampling only ever shrinks.
JpegScale ChooseDecodeScale(PixelSize picture, PixelSize wanted);

// The ScrollBar2 x ScrollBar3 thumbnail: the gradient background, the picture resampled to its
// placed size and centred, a white border of ScrollBar4 pixels around the picture and, with
// Drei3d_check, a raised frame of two pixels along the thumbnail's edges (light at the top and
// left, dark at the bottom and right) drawn last. Sizes outside the controls' ranges are clamped.
RgbImage ComposeThumbnail(const RgbImage &picture, const ThumbnailOptions &options);

} // namespace pagoranto
