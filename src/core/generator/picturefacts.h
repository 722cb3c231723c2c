#pragma once

#include "core/options/specialoptions.h"
#include "core/pictures/pixelsize.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pagoranto {

class PictureHeaderCache;

class DescriptionStore;

// A copy the page shows in the photo's place: its path as seen from the page, and its size.
struct ShownCopy {
    std::string path;
    PixelSize size;
};

// What a page knows about its own picture before its commands are replaced.
struct PagePicture {
    std::string currentPicture;
    std::int64_t currentPictureSizeKb = 0;
    std::string pictureComment;
    std::string pictureCommentFirstLine;
    // The size of what is shown (the picture's own, or its copy's); empty when unreadable.
    std::optional<PixelSize> loadedSize;
    // The size the picture tag shows: fitted to the box when asked, 10 x 10 when unreadable.
    int picWidth = 10;
    int picHeight = 10;
    // The copy shown instead of the photo; empty: the photo itself.
    std::string shownCopyPath = {};
};

// pictureDir ends in "/". With headers, a picture's header is read once for the whole run.
PagePicture PreparePictureFacts(const std::string &pictureDir, const std::string &currentPicture,
                                const DescriptionStore &descriptions,
                                const SpecialOptions &specialOptions,
                                PictureHeaderCache *headers = nullptr,
                                const ShownCopy *copy = nullptr);

} // namespace pagoranto
