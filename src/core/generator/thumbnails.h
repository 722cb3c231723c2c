#pragma once

#include "core/options/hiddenoptions.h"
#include "core/options/thumbnailoptions.h"
#include "core/pictures/pictureheadercache.h"
#include "core/text/bytetext.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace pagoranto {

class CommandSubstitution;
class DescriptionStore;

// Runs on across the pages of an index gallery; reset at the start of every run.
struct ThumbnailState {
    int thumbIndex = 0;
    std::int64_t thumbPageNumber = 0;
    bool picturesExhausted = false;
    // A film strip's finished cells by picture index, made once a run.
    std::unordered_map<int, std::string> stripCells;
};

struct ThumbnailContext {
    const std::vector<std::string> &creationList;
    int pageIndex;
    std::int64_t pageCounter;
    std::int64_t firstPageNumber;
    int picCount;
    int tpicCount;
    // Directories end in "/"; pictureRelPath is empty or ends in "/".
    const std::string &pictureDir;
    const std::string &destinationDir;
    const std::string &pictureRelPath;
    const HiddenOptions &hiddenOptions;
    const ThumbnailOptions &thumbnailOptions;
    const DescriptionStore &descriptions;
    // The page file name of the page at a 1-based position.
    std::function<std::string(int)> pageFileName;
};

// Replaces the page's "$tpic$" one by one, in reading order, with linked thumbnails.
void FillThumbnails(CommandSubstitution &substitution, ThumbnailState &state,
                    const ThumbnailContext &context, PictureHeaderCache &headers);

} // namespace pagoranto
