#pragma once

#include "core/pictures/pixelsize.h"

namespace pagoranto {

// The size at the picture's ratio that touches the box: the width steps down from the box width
// by 0.5 until the height fits, then both are rounded to the nearest integer, halves to even.
// Pictures smaller than the box are enlarged to it. A picture without a width or a height has no
// ratio and keeps its size; a negative box side counts as 0.
PixelSize FitToBox(PixelSize picture, int boxWidth, int boxHeight);

// FitToBox, then each side at most the picture's own: a picture is never enlarged.
PixelSize FitWithoutEnlarging(PixelSize picture, int boxWidth, int boxHeight);

} // namespace pagoranto
