#include "core/pictures/exiforientation.h"

#include "core/text/linefile.h"

#include <cstddef>
#include <libexif/exif-data.h>
#include <memory>

namespace pagoranto {

namespace {

struct ExifDataRelease {
    void operator()(ExifData *data) const { exif_data_unref(data); }
};

bool SwapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

} // namespace

int ReadExifOrientation(const std::filesystem::path &path)
{
    if (!IsRegularFile(path))
        return 1;
    const std::unique_ptr<ExifData, ExifDataRelease> data(
        exif_data_new_from_file(path.string().c_str()));
    if (!data)
        return 1;
    ExifEntry *entry = exif_data_get_entry(data.get(), EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || !entry->data)
        return 1;
    const int orientation = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

PixelSize DisplayedSize(PixelSize stored, int orientation)
{
    return SwapsSides(orientation) ? PixelSize{stored.height, stored.width} : stored;
}

RgbImage OrientImage(const RgbImage &stored, int orientation)
{
    if (orientation < 2 || orientation > 8)
        return stored;
    const int w = stored.width;
    const int h = stored.height;
    const PixelSize shown = DisplayedSize({w, h}, orientation);
    RgbImage result{shown.width, shown.height,
                    std::vector<std::uint8_t>(std::size_t(shown.width) * shown.height * 3)};
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            // The stored pixel that is shown at (x, y).
            int sx = x;
            int sy = y;
            switch (orientation) {
            case 2:
                sx = w - 1 - x;
                break;
            case 3:
                sx = w - 1 - x;
                sy = h - 1 - y;
                break;
            case 4:
                sy = h - 1 - y;
                break;
            case 5:
                sx = y;
                sy = x;
                break;
            case 6:
                sx = y;
                sy = h - 1 - x;
                break;
            case 7:
                sx = w - 1 - y;
                sy = h - 1 - x;
                break;
            case 8:
                sx = w - 1 - y;
                sy = x;
                break;
            default:
                break;
            }
            const std::uint8_t *from = &stored.rgb[(std::size_t(sy) * w + sx) * 3];
            std::uint8_t *to = &result.rgb[(std::size_t(y) * shown.width + x) * 3];
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
        }
    }
    return result;
}

PhotoHeader ReadPhotoHeader(const std::filesystem::path &path)
{
    PhotoHeader header;
    const std::optional<PixelSize> stored = ReadPictureSize(path);
    if (!stored)
        return header;
    header.orientation = ReadExifOrientation(path);
    header.displayedSize = DisplayedSize(*stored, header.orientation);
    return header;
}

std::optional<PixelSize> ReadDisplayedPictureSize(const std::filesystem::path &path)
{
    return ReadPhotoHeader(path).displayedSize;
}

JpegDecodeResult DecodeDisplayedJpegFile(const std::filesystem::path &path, JpegScale scale,
                                         int orientation)
{
    JpegDecodeResult decoded = DecodeJpegFile(path, scale);
    if (decoded.image && orientation != 1)
        decoded.image = OrientImage(*decoded.image, orientation);
    return decoded;
}

JpegDecodeResult DecodeDisplayedJpegFile(const std::filesystem::path &path, JpegScale scale)
{
    return DecodeDisplayedJpegFile(path, scale, ReadExifOrientation(path));
}

} // namespace pagoranto
