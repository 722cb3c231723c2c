#pragma once

#include <string>

namespace pagoranto {

// The four fields of the end status window.
struct EndStatus {
    std::string d_pages;
    std::string d_images;
    std::string d_thumbnails;
    std::string d_firstpage;
};

} // namespace pagoranto
