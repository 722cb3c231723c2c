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

// The pictures (names as listed, relative to pictureDir, which ends in "/") whose thumbnail of
// their name in thumbnailDirectory is missing or not up to date. The headers are read through
// the run's cache, which the pages then find filled.
std::vector<std::string>
PicturesWithStaleThumbnails(const std::string &pictureDir,
                            const std::filesystem::path &thumbnailDirectory,
                            const std::vector<std::string> &pictures,
                            const ThumbnailOptions &options, PictureHeaderCache &headers);

// The pictures (names as listed, relative to the picture directory) that have no thumbnail file
// of their name in thumbnailDirectory.
std::vector<std::string> PicturesWithoutThumbnails(const std::filesystem::path &thumbnailDirectory,
                                                   const std::vector<std::string> &pictures);

} // namespace pagoranto
