#include "core/pictures/pictureheadercache.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"

namespace pagoranto {

const PictureHeaderCache::Entry &PictureHeaderCache::Read(const std::string &path)
{
    const auto known = m_entries.find(path);
    if (known != m_entries.end())
        return known->second;
    Entry entry;
    if (const std::optional<JpegHead> head = ReadJpegHead(path)) {
        entry.opened = true;
        entry.facts = {head->fileBytes, head->modifiedNanoseconds};
        entry.pictureSize = head->storedSize;
        entry.orientation = ExifOrientationOf(head->bytes);
        // The walks seldom need more than the decoder read; when they do, the file is asked.
        const auto size = JpegSizeFromStart(head->bytes, head->wholeFile);
        entry.jpegSize = size ? *size : ReadJpegSize(path);
        const auto comment = JpegCommentFromStart(head->bytes, head->wholeFile);
        entry.comment = comment ? *comment : ReadJpegComment(path);
    }
    return m_entries.emplace(path, std::move(entry)).first->second;
}

std::optional<PixelSize> PictureHeaderCache::PictureSize(const std::string &path)
{
    return Read(path).pictureSize;
}

std::optional<PixelSize> PictureHeaderCache::DisplayedPictureSize(const std::string &path)
{
    // As ReadPhotoHeader: the orientation only counts for a header the decoder accepts.
    const Entry &entry = Read(path);
    if (!entry.pictureSize)
        return std::nullopt;
    return DisplayedSize(*entry.pictureSize, entry.orientation);
}

std::optional<PixelSize> PictureHeaderCache::JpegSize(const std::string &path)
{
    return Read(path).jpegSize;
}

int PictureHeaderCache::ExifOrientation(const std::string &path)
{
    return Read(path).orientation;
}

std::optional<std::string> PictureHeaderCache::JpegComment(const std::string &path)
{
    return Read(path).comment;
}

std::optional<PictureHeaderCache::FileFacts> PictureHeaderCache::Facts(const std::string &path)
{
    const Entry &entry = Read(path);
    if (!entry.opened)
        return std::nullopt;
    return entry.facts;
}

} // namespace pagoranto
