#include "core/pictures/pictureheadercache.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace pagoranto {

PictureHeaderCache::Entry PictureHeaderCache::ReadEntry(const std::string &path,
                                                        FolderHandles::Place place)
{
    Entry entry;
    if (const std::optional<JpegHead> head = ReadJpegHeadAt(place.folder, place.name)) {
        entry.opened = true;
        entry.facts = {head->fileBytes, head->modified};
        entry.pictureSize = head->storedSize;
        entry.orientation = ExifOrientationOf(head->bytes);
        // The walks seldom need more than the decoder read; when they do, the file is asked.
        const auto size = JpegSizeFromStart(head->bytes, head->wholeFile);
        entry.jpegSize = size ? *size : ReadJpegSize(path);
        const auto comment = JpegCommentFromStart(head->bytes, head->wholeFile);
        entry.comment = comment ? *comment : ReadJpegComment(path);
    }
    return entry;
}

const PictureHeaderCache::Entry &PictureHeaderCache::Read(const std::string &path)
{
    const auto known = m_entries.find(path);
    if (known != m_entries.end())
        return known->second;
    return m_entries.emplace(path, ReadEntry(path, m_folders.Locate(path))).first->second;
}

void PictureHeaderCache::ReadAhead(const std::vector<std::string> &paths)
{
    std::vector<const std::string *> unread;
    std::vector<FolderHandles::Place> places;
    for (const std::string &path : paths)
        if (!m_entries.contains(path)) {
            unread.push_back(&path);
            places.push_back(m_folders.Locate(path));
        }
    // A thread costs more than a few headers.
    constexpr std::size_t headersPerThread = 32;
    const std::size_t threads = std::min<std::size_t>(
        std::max(1u, std::thread::hardware_concurrency()), unread.size() / headersPerThread + 1);
    std::vector<Entry> read(unread.size());
    const auto readShare = [&](std::size_t share) {
        for (std::size_t i = share; i < unread.size(); i += threads)
            read[i] = ReadEntry(*unread[i], places[i]);
    };
    std::vector<std::jthread> helpers;
    std::size_t started = 1;
    try {
        for (; started < threads; ++started)
            helpers.emplace_back(readShare, started);
    } catch (const std::system_error &) {
        // No thread to be had: this one reads the shares nobody took.
    }
    for (std::size_t share = started; share < threads; ++share)
        readShare(share);
    readShare(0);
    helpers.clear();
    for (std::size_t i = 0; i < unread.size(); ++i)
        m_entries.emplace(*unread[i], std::move(read[i]));
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
