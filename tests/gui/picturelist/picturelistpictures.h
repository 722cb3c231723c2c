#pragma once

#include "core/pictures/jpegencoder.h"

#include <cstdint>
#include <string>

namespace pagoranto::testing {

// A small gradient JPEG of the given size in dir; false when it could not be written.
inline bool WritePicture(const std::string &dir, const std::string &name, int width, int height)
{
    RgbImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *pixel = &image.rgb[(std::size_t(y) * width + x) * 3];
            pixel[0] = static_cast<std::uint8_t>(255 * x / width);
            pixel[1] = static_cast<std::uint8_t>(255 * y / height);
            pixel[2] = 90;
        }
    return EncodeJpegFile(dir + "/" + name, ViewOf(image)).ok;
}

} // namespace pagoranto::testing
