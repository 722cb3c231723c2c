#include "core/pictures/exiforientation.h"

#include "core/pictures/exifblock.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <libexif/exif-data.h>
#include <memory>
#include <optional>
#include <string_view>

namespace pagoranto {

namespace {

struct ExifDataRelease {
    void operator()(ExifData *data) const { exif_data_unref(data); }
};

int ValidOrientation(std::uint32_t value)
{
    return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
}

bool PointsElsewhere(ExifTag tag)
{
    return tag == EXIF_TAG_EXIF_IFD_POINTER || tag == EXIF_TAG_GPS_INFO_IFD_POINTER ||
           tag == EXIF_TAG_INTEROPERABILITY_IFD_POINTER ||
           tag == EXIF_TAG_JPEG_INTERCHANGE_FORMAT ||
           tag == EXIF_TAG_JPEG_INTERCHANGE_FORMAT_LENGTH;
}

// The orientation tag of the first image directory, read as libexif loads that directory: a
// photo has it there, and libexif's set-up for a whole EXIF block costs more than all the rest
// of reading a photo's header. Empty when the block is not plainly well formed or the tag is
// elsewhere; libexif then answers.
std::optional<int> OrientationInFirstDirectory(std::string_view exif)
{
    const std::optional<TiffData> data = TiffDataOf(exif);
    if (!data)
        return std::nullopt;
    const unsigned char *tiff = data->bytes;
    const std::size_t size = data->size;
    const ExifByteOrder order = data->order;
    if (exif_get_short(tiff + 2, order) != 0x2A)
        return std::nullopt;
    std::size_t offset = exif_get_long(tiff + 4, order);
    if (offset + 2 > size)
        return std::nullopt;
    std::size_t count = exif_get_short(tiff + offset, order);
    offset += 2;
    count = std::min(count, (size - offset) / 12);
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char *entry = tiff + offset + 12 * i;
        const ExifTag tag = static_cast<ExifTag>(exif_get_short(entry, order));
        // libexif may stop reading the directory at one of these (a pointer past the block, a
        // directory loaded twice); photos sort the tag before them, so only odd blocks get here.
        if (PointsElsewhere(tag))
            return std::nullopt;
        if (tag != EXIF_TAG_ORIENTATION)
            continue;
        // Kept a number: a damaged entry's format may be none of the enumeration's values.
        const unsigned format = exif_get_short(entry + 2, order);
        const std::uint64_t components = exif_get_long(entry + 4, order);
        const std::uint64_t bytes =
            format >= EXIF_FORMAT_BYTE && format <= EXIF_FORMAT_DOUBLE
                ? components * exif_format_get_size(static_cast<ExifFormat>(format))
                : 0;
        // libexif passes over an entry it cannot load and takes the next of the same tag.
        if (bytes == 0 || bytes > 0xFFFFFFFFu)
            continue;
        const std::size_t at = bytes > 4 ? exif_get_long(entry + 8, order) : offset + 12 * i + 8;
        if (at >= size || bytes > size - at)
            continue;
        if (format == EXIF_FORMAT_SHORT && bytes >= 2)
            return ValidOrientation(exif_get_short(tiff + at, order));
        if (format == EXIF_FORMAT_LONG && bytes >= 4)
            return ValidOrientation(exif_get_long(tiff + at, order));
        return 1;
    }
    return std::nullopt;
}

bool SwapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

} // namespace

std::string_view ExifBlockOf(std::string_view jpeg)
{
    const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(jpeg[at]); };
    if (jpeg.size() < 2 || byte(0) != 0xFF || byte(1) != 0xD8)
        return {};
    std::size_t at = 2;
    while (at + 2 <= jpeg.size() && byte(at) == 0xFF) {
        const std::uint8_t marker = byte(at + 1);
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            at += 2;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9 || at + 4 > jpeg.size())
            return {};
        const std::size_t length = std::size_t{byte(at + 2)} << 8 | byte(at + 3);
        if (length < 2)
            return {};
        const std::string_view payload =
            jpeg.substr(at + 4, std::min(length - 2, jpeg.size() - (at + 4)));
        if (marker == 0xE1 && payload.substr(0, exifHeader.size()) == exifHeader)
            return payload;
        at += 2 + length;
    }
    return {};
}

int ExifOrientationOf(std::string_view jpegStart)
{
    const std::string_view exif = ExifBlockOf(jpegStart);
    if (exif.empty())
        return 1;
    if (const std::optional<int> orientation = OrientationInFirstDirectory(exif))
        return *orientation;
    return ExifOrientationByLibexif(exif);
}

int ExifOrientationByLibexif(std::string_view exif)
{
    const std::unique_ptr<ExifData, ExifDataRelease> data(exif_data_new());
    if (!data)
        return 1;
    // Left on, these rebuild the whole tag tree to the standard's liking: ten times the work of
    // reading it, for one tag whose formats are taken as they come below.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char *>(exif.data()),
                        static_cast<unsigned int>(exif.size()));
    ExifEntry *entry = exif_data_get_entry(data.get(), EXIF_TAG_ORIENTATION);
    if (!entry || entry->components < 1 || !entry->data)
        return 1;
    const ExifByteOrder order = exif_data_get_byte_order(data.get());
    int orientation = 0;
    if (entry->format == EXIF_FORMAT_SHORT && entry->size >= 2)
        orientation = exif_get_short(entry->data, order);
    else if (entry->format == EXIF_FORMAT_LONG && entry->size >= 4)
        orientation = static_cast<int>(std::min<ExifLong>(exif_get_long(entry->data, order), 9));
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

int ReadExifOrientation(const std::filesystem::path &path)
{
    const std::optional<JpegHead> head = ReadJpegHead(path);
    return head ? ExifOrientationOf(head->bytes) : 1;
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
    const std::optional<JpegHead> head = ReadJpegHead(path);
    if (!head || !head->storedSize)
        return header;
    header.orientation = ExifOrientationOf(head->bytes);
    header.displayedSize = DisplayedSize(*head->storedSize, header.orientation);
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
