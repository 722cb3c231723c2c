#pragma once

#include "tests/support/testpictures.h"

#include <filesystem>
#include <string>

namespace pagoranto::testing {

// The picture-list tests' picture: a gradient of the given size in dir; false when it could not
// be written.
inline bool WritePicture(const std::string &dir, const std::string &name, int width, int height)
{
    return WritePicture(std::filesystem::path(dir) / name,
                        GradientPicture(width, height, {.blue = 90, .fullRange = false}))
        .ok;
}

} // namespace pagoranto::testing
