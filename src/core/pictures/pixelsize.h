#pragma once

namespace pagoranto {

// A picture's size in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelSize &, const PixelSize &) = default;
};

} // namespace pagoranto
