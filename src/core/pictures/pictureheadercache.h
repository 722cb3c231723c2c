#pragma once

#include "core/pictures/pixelsize.h"
#include "core/platform/folderhandles.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace pagoranto {

struct JpegHead;

// What the headers of photos and thumbnails said, kept for one run: a strip page shows the
// thumbnails of its neighbours too, and without this every page would read them again. Each
// file is opened once; what its start holds answers every question.
class PictureHeaderCache {
public:
    // The same answers as ReadPictureSize, ReadDisplayedPictureSize, ReadJpegSize,
    // ReadExifOrientation and ReadJpegComment.
    std::optional<PixelSize> PictureSize(const std::string &path);
    std::optional<PixelSize> DisplayedPictureSize(const std::string &path);
    std::optional<PixelSize> JpegSize(const std::string &path);
    int ExifOrientation(const std::string &path);
    std::optional<std::string> JpegComment(const std::string &path);

    // The file's size in bytes and modification time, as its one open found them; empty when it
    // is no regular file that opens.
    struct FileFacts {
        std::uint64_t bytes = 0;
        std::filesystem::file_time_type modified;
    };
    std::optional<FileFacts> Facts(const std::string &path);

    // Reads the headers of those paths not read yet, on every processor at once, so a run's
    // pictures and thumbnails cost what the slowest processor's share costs.
    void ReadAhead(const std::vector<std::string> &paths);

private:
    struct Entry {
        bool opened = false;
        FileFacts facts;
        std::optional<PixelSize> pictureSize;
        int orientation = 1;
        std::optional<PixelSize> jpegSize;
        std::optional<std::string> comment;
    };
    static Entry ReadEntry(const std::string &path, FolderHandles::Place place);
    const Entry &Read(const std::string &path);

    std::unordered_map<std::string, Entry> m_entries;
    FolderHandles m_folders;
};

} // namespace pagoranto
