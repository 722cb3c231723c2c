#include "core/pictures/embeddedpreview.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegsize.h"
#include "core/pictures/progressivedcdecoder.h"
#include "core/pictures/thumbnailtile.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <libexif/exif-data.h>
#include <memory>
#include <unistd.h>

namespace pagoranto {

namespace {

struct ExifDataRelease {
    void operator()(ExifData *data) const { exif_data_unref(data); }
};

bool SameShape(PixelSize preview, PixelSize photo)
{
    // Each side of the preview within a pixel of what the other side and the photo's ratio give.
    const std::int64_t crossDifference = std::llabs(std::int64_t(preview.width) * photo.height -
                                                    std::int64_t(preview.height) * photo.width);
    return crossDifference <= std::min<std::int64_t>(photo.width, photo.height);
}

bool EndsWithEndOfImage(const std::filesystem::path &path, const JpegHead &head)
{
    if (head.wholeFile)
        return head.bytes.size() >= 2 && head.bytes.ends_with("\xFF\xD9");
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    char tail[2] = {};
    const bool read =
        head.fileBytes >= 2 && ::pread(fd, tail, 2, static_cast<off_t>(head.fileBytes - 2)) == 2;
    ::close(fd);
    return read && tail[0] == '\xFF' && tail[1] == '\xD9';
}

} // namespace

std::string ExifThumbnailOf(std::string_view jpegStart)
{
    const std::string_view exif = ExifBlockOf(jpegStart);
    if (exif.empty())
        return {};
    const std::unique_ptr<ExifData, ExifDataRelease> data(exif_data_new());
    if (!data)
        return {};
    // Only the preview is wanted; rebuilding the tags to the standard's liking would cost more.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char *>(exif.data()),
                        static_cast<unsigned int>(exif.size()));
    if (!data->data || data->size == 0)
        return {};
    return std::string(reinterpret_cast<const char *>(data->data), data->size);
}

std::optional<RgbImage> UsableEmbeddedPreview(std::string_view jpegStart, PixelSize storedPhoto,
                                              int orientation, PixelSize minimum)
{
    const std::string thumbnail = ExifThumbnailOf(jpegStart);
    if (thumbnail.empty())
        return std::nullopt;
    // Sized from its header first: a damaged one may claim a picture far beyond its bytes.
    const std::optional<std::optional<PixelSize>> stored = JpegSizeFromStart(thumbnail, true);
    if (!stored || !*stored || (*stored)->width <= 0 || (*stored)->height <= 0 ||
        (*stored)->width > storedPhoto.width || (*stored)->height > storedPhoto.height ||
        !SameShape(**stored, storedPhoto))
        return std::nullopt;
    const PixelSize shown = DisplayedSize(**stored, orientation);
    if (shown.width < minimum.width || shown.height < minimum.height)
        return std::nullopt;
    JpegDecodeResult decoded = DecodeJpegBytes(thumbnail);
    // Any complaint of the decoder means invented pixels; the photo itself does better.
    if (!decoded.image || !decoded.warning.empty() || decoded.image->width != (*stored)->width ||
        decoded.image->height != (*stored)->height)
        return std::nullopt;
    return OrientImage(*decoded.image, orientation);
}

TilePicture ReadTilePicture(const std::filesystem::path &path)
{
    TilePicture result;
    const std::optional<JpegHead> head = ReadJpegHead(path);
    if (head && head->storedSize) {
        const int orientation = ExifOrientationOf(head->bytes);
        const PixelSize photo = DisplayedSize(*head->storedSize, orientation);
        result.photoSize = photo;
        const TileRect onTile = PlaceTile(EighthSize(photo));
        // A photo cut off after its header would look whole in its preview; the decode marks it.
        if (EndsWithEndOfImage(path, *head)) {
            if (std::optional<RgbImage> preview =
                    UsableEmbeddedPreview(head->bytes, *head->storedSize, orientation,
                                          PixelSize{onTile.width, onTile.height})) {
                result.decoded.image = std::move(preview);
                result.fromEmbeddedPreview = true;
                return result;
            }
        }
    }
    result.decoded = DecodeDisplayedJpegFileAtEighth(path);
    return result;
}

} // namespace pagoranto
