#pragma once

#include "core/options/thumbnailoptions.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pagoranto {

struct ThumbnailRunReport {
    std::size_t listed = 0;
    std::size_t made = 0;
    // Listed pictures whose thumbnail was already up to date and was left as it was.
    std::size_t upToDate = 0;
    // Listed pictures whose thumbnail was made elsewhere and was kept as it was.
    std::size_t keptForeign = 0;
    // One line for each thing that went wrong, in list order.
    std::vector<std::string> problems;

    bool allMade() const { return problems.empty() && made + upToDate + keptForeign == listed; }
};

struct ThumbnailRunSettings {
    unsigned threadCount = 0; // 0: one a processor core
    // Make every thumbnail again, even one whose stamp says it is up to date.
    bool remakeAll = false;
    // Replace thumbnails without our stamp too; otherwise they are the user's and are kept.
    bool replaceForeign = false;
    // When set, the hand-over files must have this HandOverDigest, or nothing is made: they
    // are then another run's.
    std::optional<std::string> handOverDigest = {};
    // The folder name (below the destination) of the run's web-size copies: a photo whose copy
    // there is up to date is thumbnailed from the copy.
    std::string webCopies = {};
    // Progressive photos thumbnailed at one eighth or less come from their DC coefficients; off,
    // every scan is decoded as libjpeg does it.
    bool dcDecode = true;
    // Told after each picture, from any of the threads but never from two at once.
    std::function<void(std::size_t done, std::size_t total)> progress = {};
};

// Makes the thumbnails the files in workingDirectory ask for: "mtoptions.cfg" gives the
// destination, the thumbnail directory below it and the thumbnails' look, "filelist.dat" the
// pictures. The pictures are shared out over threads. A thumbnail whose stamp shows it was made
// from the picture as it is now, with the same options, is not made again, nor, unless asked, one
// that was made elsewhere. A picture that cannot
// be read or decoded is passed over and the others are still made. Whatever happens,
// "PagorantoActive.txt" is removed from workingDirectory at the end (the waiting program takes
// that for "done"), except when the hand-over was another run's: that flag is not ours.
ThumbnailRunReport MakeThumbnails(const std::filesystem::path &workingDirectory,
                                  const ThumbnailRunSettings &settings = {});

// Makes one thumbnail, stamped with what it was made from; the error text when it could not be
// made. A web-size copy of the photo as it is now, when given, is decoded instead of the photo.
std::optional<std::string> MakeThumbnail(const std::filesystem::path &picture,
                                         const std::filesystem::path &thumbnail,
                                         const ThumbnailOptions &options,
                                         const std::filesystem::path &webCopy = {},
                                         bool dcDecode = true);

} // namespace pagoranto
