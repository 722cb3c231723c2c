#pragma once

#include "core/pictures/rgbimage.h"

namespace pagoranto {

// The picture at width x height. Along a side that shrinks, every target pixel is the average
// of the source area it covers (partly covered source pixels count by their share), so fine
// detail does not alias; along a side that grows, it is interpolated linearly. An empty result
// for an empty source or a side below 1.
RgbImage Resample(const RgbImage &source, int width, int height);

} // namespace pagoranto
