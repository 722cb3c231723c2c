#include "core/thumbnailer/thumbnailstamp.h"

#include "core/pictures/jpegsize.h"

#include <chrono>
#include <sstream>
#include <system_error>

namespace pagoranto {

namespace fs = std::filesystem;

// Raised whenever the way a thumbnail is drawn changes, so older thumbnails are made again.
constexpr std::string_view stampVersion = "pagoranto-thumbnail 1";

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
    const auto nanoseconds =
        std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();

    std::ostringstream stamp;
    stamp << stampVersion << "; size " << options.ScrollBar2 << 'x' << options.ScrollBar3
          << "; quality " << options.ScrollBar1 << "; grey " << options.CheckBox1 << "; colours "
          << options.Panel11 << ' ' << options.Panel12 << "; gradient " << options.RadioGroup2
          << "; margins " << options.ScrollBar6 << ' ' << options.ScrollBar5 << "; frame "
          << options.Drei3d_check << "; border " << options.ScrollBar4 << "; bytes " << bytes
          << "; modified " << nanoseconds << "; from " << absolute.lexically_normal().string();
    return stamp.str();
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

std::vector<std::string> PicturesWithStaleThumbnails(const std::string &pictureDir,
                                                     const fs::path &thumbnailDirectory,
                                                     const std::vector<std::string> &pictures,
                                                     const ThumbnailOptions &options)
{
    std::vector<std::string> stale;
    for (const std::string &picture : pictures)
        if (!ThumbnailUpToDate(pictureDir + picture,
                               thumbnailDirectory / fs::path(picture).filename(), options))
            stale.push_back(picture);
    return stale;
}

std::vector<std::string> PicturesWithoutThumbnails(const fs::path &thumbnailDirectory,
                                                   const std::vector<std::string> &pictures)
{
    std::vector<std::string> missing;
    for (const std::string &picture : pictures) {
        std::error_code error;
        const fs::path name = fs::path(picture).filename();
        if (name.empty() || !fs::is_regular_file(thumbnailDirectory / name, error))
            missing.push_back(picture);
    }
    return missing;
}

} // namespace pagoranto
