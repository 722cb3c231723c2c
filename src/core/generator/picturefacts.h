#pragma once

#include "core/options/specialoptions.h"
#include "core/pictures/pixelsize.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pagoranto {

class PictureHeaderCache;

class DescriptionStore;

// What a page knows about its own picture before its commands are replaced.
struct PagePicture {
    std::string currentPicture;
    std::int64_t currentPictureSizeKb = 0;
    std::string pictureComment;
    std::string pictureCommentFirstLine;
    // The picture's own size; empty when it could not be read.
    std::optional<PixelSize> loadedSize;
    // The size the picture tag shows: fitted to the box when asked, 10 x 10 when unreadable.
    int picWidth = 10;
    int picHeight = 10;
};

// pictureDir ends in "/". With headers, a picture's header is read once for the whole run.
PagePicture PreparePictureFacts(const std::string &pictureDir, const std::string &currentPicture,
                                const DescriptionStore &descriptions,
                                const SpecialOptions &specialOptions,
                                PictureHeaderCache *headers = nullptr);

} // namespace pagoranto
