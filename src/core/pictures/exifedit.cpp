#include "core/pictures/exifedit.h"

#include "core/pictures/exifblock.h"

#include <algorithm>
#include <cstdlib>
#include <libexif/exif-data.h>
#include <memory>

namespace pagoranto {

namespace {

// A segment's length field counts itself, so its payload holds at most this much.
constexpr std::size_t segmentPayloadMaximum = 65533;

struct ExifDataRelease {
    void operator()(ExifData *data) const { exif_data_unref(data); }
};
using ExifDataPointer = std::unique_ptr<ExifData, ExifDataRelease>;

ExifDataPointer LoadExif(std::string_view exif)
{
    ExifDataPointer data(exif_data_new());
    if (!data)
        return data;
    // Left on, these drop the tags libexif does not know and add the ones the standard wants:
    // a copy keeps the block as the camera wrote it.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char *>(exif.data()),
                        static_cast<unsigned int>(exif.size()));
    return data;
}

// A GPS pointer in the first directory, read without libexif, which skips what it cannot load.
bool FirstDirectoryPointsToGps(std::string_view exif)
{
    const std::optional<TiffData> data = TiffDataOf(exif);
    if (!data)
        return false;
    const unsigned char *tiff = data->bytes;
    const std::size_t size = data->size;
    const ExifByteOrder order = data->order;
    const std::size_t offset = exif_get_long(tiff + 4, order);
    if (offset >= size || size - offset < 2)
        return false;
    const std::size_t count =
        std::min<std::size_t>(exif_get_short(tiff + offset, order), (size - offset - 2) / 12);
    for (std::size_t i = 0; i < count; ++i)
        if (exif_get_short(tiff + offset + 2 + 12 * i, order) == EXIF_TAG_GPS_INFO_IFD_POINTER)
            return true;
    return false;
}

void RemoveAllEntries(ExifContent *content)
{
    while (content->count > 0)
        exif_content_remove_entry(content, content->entries[content->count - 1]);
}

void SetNumber(ExifEntry *entry, ExifByteOrder order, unsigned value)
{
    if (entry->format == EXIF_FORMAT_SHORT && entry->size >= 2 && value <= 0xFFFF)
        exif_set_short(entry->data, order, static_cast<ExifShort>(value));
    else if (entry->format == EXIF_FORMAT_LONG && entry->size >= 4)
        exif_set_long(entry->data, order, value);
}

void SetPixelDimension(ExifData *data, ExifTag tag, unsigned value)
{
    ExifContent *exif = data->ifd[EXIF_IFD_EXIF];
    ExifEntry *entry = exif_content_get_entry(exif, tag);
    // A short that cannot hold the new size makes way for a long.
    if (entry && entry->format == EXIF_FORMAT_SHORT && value > 0xFFFF) {
        exif_content_remove_entry(exif, entry);
        entry = nullptr;
    }
    if (!entry) {
        entry = exif_entry_new();
        if (!entry)
            return;
        exif_content_add_entry(exif, entry);
        exif_entry_initialize(entry, tag);
        exif_entry_unref(entry);
    }
    SetNumber(entry, exif_data_get_byte_order(data), value);
}

} // namespace

bool ExifHoldsGps(std::string_view exif)
{
    if (FirstDirectoryPointsToGps(exif))
        return true;
    const ExifDataPointer data = LoadExif(exif);
    return data && data->ifd[EXIF_IFD_GPS]->count > 0;
}

std::optional<std::string> EditedExif(std::string_view exif, const ExifChanges &changes)
{
    if (!changes.upright && !changes.pixelSize && !ExifHoldsGps(exif))
        return std::string(exif);
    const ExifDataPointer data = LoadExif(exif);
    if (!data)
        return std::nullopt;
    RemoveAllEntries(data->ifd[EXIF_IFD_GPS]);
    const ExifByteOrder order = exif_data_get_byte_order(data.get());
    if (changes.upright) {
        if (ExifEntry *orientation =
                exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION))
            SetNumber(orientation, order, 1);
        RemoveAllEntries(data->ifd[EXIF_IFD_1]);
        // The preview's bytes are freed with the block; without a size they are not written.
        data->size = 0;
    }
    if (changes.pixelSize) {
        SetPixelDimension(data.get(), EXIF_TAG_PIXEL_X_DIMENSION,
                          static_cast<unsigned>(changes.pixelSize->width));
        SetPixelDimension(data.get(), EXIF_TAG_PIXEL_Y_DIMENSION,
                          static_cast<unsigned>(changes.pixelSize->height));
    }
    unsigned char *saved = nullptr;
    unsigned int savedSize = 0;
    exif_data_save_data(data.get(), &saved, &savedSize);
    const std::unique_ptr<unsigned char, decltype(&std::free)> release(saved, &std::free);
    if (!saved || savedSize <= exifHeader.size() || savedSize > segmentPayloadMaximum)
        return std::nullopt;
    return std::string(reinterpret_cast<const char *>(saved), savedSize);
}

} // namespace pagoranto
