#pragma once

#include <cstdint>
#include <vector>

namespace pagoranto {

// 8-bit RGB, rows from the top, 3 bytes a pixel, no padding between rows.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

} // namespace pagoranto
