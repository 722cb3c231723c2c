#include "core/pictures/pictureheadercache.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"

namespace pagoranto {

std::optional<PixelSize> PictureHeaderCache::PictureSize(const std::string &path)
{
    Entry &entry = m_entries[path];
    if (!entry.pictureSize)
        entry.pictureSize = ReadPictureSize(path);
    return *entry.pictureSize;
}

std::optional<PixelSize> PictureHeaderCache::DisplayedPictureSize(const std::string &path)
{
    // As ReadPhotoHeader: the orientation only counts for a header the decoder accepts.
    const std::optional<PixelSize> stored = PictureSize(path);
    if (!stored)
        return std::nullopt;
    return DisplayedSize(*stored, ExifOrientation(path));
}

std::optional<PixelSize> PictureHeaderCache::JpegSize(const std::string &path)
{
    Entry &entry = m_entries[path];
    if (!entry.jpegSize)
        entry.jpegSize = ReadJpegSize(path);
    return *entry.jpegSize;
}

int PictureHeaderCache::ExifOrientation(const std::string &path)
{
    Entry &entry = m_entries[path];
    if (!entry.orientation)
        entry.orientation = ReadExifOrientation(path);
    return *entry.orientation;
}

} // namespace pagoranto
