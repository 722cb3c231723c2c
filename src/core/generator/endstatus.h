#pragma once

#include <string>
#include <vector>

namespace pagoranto {

// The four fields of the end status window.
struct EndStatus {
    std::string d_pages;
    std::string d_images;
    std::string d_thumbnails;
    std::string d_firstpage;
    // Listed pictures that could not be read as JPEG pictures; their pages give made-up sizes.
    std::vector<std::string> unreadablePictures = {};
};

} // namespace pagoranto
