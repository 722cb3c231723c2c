#pragma once

#include "core/options/thumbnailoptions.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pagoranto {

class PictureHeaderCache;

// What a thumbnail was made from, kept in its own comment segment: the picture (path, size in
// bytes, modification time) and every option that shapes the thumbnail. A thumbnail whose stamp
// equals the one its picture would get now need not be made again. Empty when the picture
// cannot be looked at.
std::optional<std::string> ThumbnailStamp(const std::filesystem::path &picture,
                                          const ThumbnailOptions &options);

// True when thumbnail exists and carries the stamp picture would get with these options.
bool ThumbnailUpToDate(const std::filesystem::path &picture, const std::filesystem::path &thumbnail,
                       const ThumbnailOptions &options);

// True for the comment of a thumbnail that this program made, whatever its options then.
bool IsOurThumbnailComment(const std::optional<std::string> &comment);

// True when thumbnail is a file without our stamp: the user's, not ours to replace unasked.
bool IsForeignThumbnail(const std::filesystem::path &thumbnail);

// Where the listed pictures' thumbnails stand (names as listed, relative to the picture
// directory, in list order).
struct ThumbnailCensus {
    std::vector<std::string> missing;
    // Ours, but made with other options or from the photo as it was before.
    std::vector<std::string> outOfDate;
    // Made elsewhere (no stamp of ours): the user's, used as they are unless asked otherwise.
    std::vector<std::string> foreign;

    // What a thumbnail step makes: the missing and out-of-date ones, and the foreign ones only
    // when replacing them was asked for.
    std::vector<std::string> ToMake(bool replaceForeign) const;
};

// The census of the thumbnails in thumbnailDirectory of the pictures in pictureDir (which ends in
// "/"). The headers are read through the run's cache, which the pages then find filled.
ThumbnailCensus TakeThumbnailCensus(const std::string &pictureDir,
                                    const std::filesystem::path &thumbnailDirectory,
                                    const std::vector<std::string> &pictures,
                                    const ThumbnailOptions &options, PictureHeaderCache &headers);

} // namespace pagoranto
