#pragma once

#include "core/options/thumbnailoptions.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pagoranto {

struct ThumbnailRunReport {
    std::size_t listed = 0;
    std::size_t made = 0;
    // One line for each thing that went wrong, in list order.
    std::vector<std::string> problems;

    bool allMade() const { return problems.empty() && made == listed; }
};

// Makes the thumbnails the files in workingDirectory ask for: "mtoptions.cfg" gives the
// destination, the thumbnail directory below it and the thumbnails' look, "filelist.dat" the
// pictures. The pictures are shared out over threadCount threads (0: one a processor core). A
// picture that cannot be read or decoded is passed over and the others are still made. Whatever
// happens, "PagorantoActive.txt" is removed from workingDirectory at the end: the waiting
// program takes that for "done".
ThumbnailRunReport MakeThumbnails(const std::filesystem::path &workingDirectory,
                                  unsigned threadCount = 0);

// Makes one thumbnail; the error text when it could not be made.
std::optional<std::string> MakeThumbnail(const std::filesystem::path &picture,
                                         const std::filesystem::path &thumbnail,
                                         const ThumbnailOptions &options);

} // namespace pagoranto
