#pragma once

#include "core/options/thumbnailoptions.h"
#include "core/pictures/rgbimage.h"

namespace pagoranto {

// The indexes of the gradient type radio group.
enum class GradientType {
    elliptic = 0,
    horizontalCenter = 1,
    horizontal = 2,
    radial1 = 3,
    radial2 = 4,
    rectangle = 5,
    verticalCenter = 6,
    vertical = 7,
};

// A width x height background going from start to end. Every pixel is start + t * (end - start)
// per channel, rounded, with t in 0..1 taken at the pixel's centre. With u = (x + 0.5) / width and
// v = (y + 0.5) / height, dx = 2u - 1 and dy = 2v - 1 (so -1..1 from edge to edge):
//   elliptic          t = min(1, sqrt(dx^2 + dy^2))   start in the middle, end on the ellipse
//                                                     touching the four sides and outside it
//   horizontal center t = |dx|                        start down the middle column, end at the
//                                                     left and right sides
//   horizontal        t = u                           start at the left, end at the right
//   radial 1          t = r / R, r the distance from the middle in pixels and R the distance
//                     from the middle to a corner     round rings, end in the corners
//   radial 2          t = r / D, r the distance from the top left corner in pixels and D the
//                     diagonal                        round rings from the top left corner
//   rectangle         t = max(|dx|, |dy|)             rectangles like the picture's outline
//   vertical center   t = |dy|                        start along the middle row, end at the
//                                                     top and bottom
//   vertical          t = v                           start at the top, end at the bottom
// An index outside 0..7 counts as elliptic.
RgbImage RenderGradient(int width, int height, ColourValue start, ColourValue end, int type);

} // namespace pagoranto
