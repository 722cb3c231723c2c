#include "core/thumbnailer/thumbnailstamp.h"

#include "core/pictures/jpegsize.h"
#include "core/pictures/pictureheadercache.h"

#include <chrono>
#include <string>
#include <system_error>

namespace pagoranto {

namespace fs = std::filesystem;

// Raised whenever the way a thumbnail is drawn changes, so older thumbnails are made again.
constexpr std::string_view stampProgram = "pagoranto-thumbnail ";
constexpr std::string_view stampVersion = "pagoranto-thumbnail 1";

namespace {

std::string StampOf(const fs::path &absolute, std::uintmax_t bytes, fs::file_time_type modified,
                    const ThumbnailOptions &options)
{
    const auto nanoseconds =
        std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
    using std::to_string;
    // Built by hand: a stream's set-up costs more than the rest, and this runs for every picture.
    return std::string(stampVersion) + "; size " + to_string(options.ScrollBar2) + 'x' +
           to_string(options.ScrollBar3) + "; quality " + to_string(options.ScrollBar1) +
           "; grey " + to_string(int{options.CheckBox1}) + "; colours " +
           to_string(options.Panel11) + ' ' + to_string(options.Panel12) + "; gradient " +
           to_string(options.RadioGroup2) + "; margins " + to_string(options.ScrollBar6) + ' ' +
           to_string(options.ScrollBar5) + "; frame " + to_string(int{options.Drei3d_check}) +
           "; border " + to_string(options.ScrollBar4) + "; bytes " + to_string(bytes) +
           "; modified " + to_string(nanoseconds) + "; from " +
           absolute.lexically_normal().string();
}

} // namespace

std::optional<std::string> ThumbnailStamp(const fs::path &picture, const ThumbnailOptions &options)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(picture, error);
    if (error)
        return std::nullopt;
    const std::uintmax_t bytes = fs::file_size(absolute, error);
    if (error)
        return std::nullopt;
    const fs::file_time_type modified = fs::last_write_time(absolute, error);
    if (error)
        return std::nullopt;
    return StampOf(absolute, bytes, modified, options);
}

bool ThumbnailUpToDate(const fs::path &picture, const fs::path &thumbnail,
                       const ThumbnailOptions &options)
{
    const std::optional<std::string> wanted = ThumbnailStamp(picture, options);
    if (!wanted)
        return false;
    std::error_code error;
    if (!fs::is_regular_file(thumbnail, error))
        return false;
    return ReadJpegComment(thumbnail) == wanted;
}

bool IsOurThumbnailComment(const std::optional<std::string> &comment)
{
    // Any version: one made by an older release is still ours to replace.
    return comment && comment->starts_with(stampProgram);
}

bool IsForeignThumbnail(const fs::path &thumbnail)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(thumbnail, error)) &&
           !IsOurThumbnailComment(ReadJpegComment(thumbnail));
}

std::vector<std::string> ThumbnailCensus::ToMake(bool replaceForeign) const
{
    std::vector<std::string> pictures = missing;
    pictures.insert(pictures.end(), outOfDate.begin(), outOfDate.end());
    if (replaceForeign)
        pictures.insert(pictures.end(), foreign.begin(), foreign.end());
    return pictures;
}

ThumbnailCensus TakeThumbnailCensus(const std::string &pictureDir,
                                    const fs::path &thumbnailDirectory,
                                    const std::vector<std::string> &pictures,
                                    const ThumbnailOptions &options, PictureHeaderCache &headers)
{
    std::vector<std::string> picturePaths;
    std::vector<std::string> thumbnailPaths;
    for (const std::string &picture : pictures) {
        picturePaths.push_back(pictureDir + picture);
        thumbnailPaths.push_back((thumbnailDirectory / fs::path(picture).filename()).string());
    }
    std::vector<std::string> headerPaths = picturePaths;
    headerPaths.insert(headerPaths.end(), thumbnailPaths.begin(), thumbnailPaths.end());
    headers.ReadAhead(headerPaths);
    ThumbnailCensus census;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (!headers.Facts(thumbnailPaths[i])) {
            census.missing.push_back(pictures[i]);
            continue;
        }
        const std::optional<std::string> comment = headers.JpegComment(thumbnailPaths[i]);
        if (!IsOurThumbnailComment(comment)) {
            census.foreign.push_back(pictures[i]);
            continue;
        }
        const auto facts = headers.Facts(picturePaths[i]);
        std::error_code error;
        const fs::path absolute = fs::absolute(picturePaths[i], error);
        if (!facts || error || comment != StampOf(absolute, facts->bytes, facts->modified, options))
            census.outOfDate.push_back(pictures[i]);
    }
    return census;
}

} // namespace pagoranto
