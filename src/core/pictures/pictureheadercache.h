#pragma once

#include "core/pictures/pixelsize.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace pagoranto {

// What the headers of photos and thumbnails said, kept for one run: a strip page shows the
// thumbnails of its neighbours too, and without this every page would read them again.
class PictureHeaderCache {
public:
    // The same answers as ReadPictureSize, ReadDisplayedPictureSize, ReadJpegSize and
    // ReadExifOrientation, each file read at most once for each of them.
    std::optional<PixelSize> PictureSize(const std::string &path);
    std::optional<PixelSize> DisplayedPictureSize(const std::string &path);
    std::optional<PixelSize> JpegSize(const std::string &path);
    int ExifOrientation(const std::string &path);

private:
    struct Entry {
        std::optional<std::optional<PixelSize>> pictureSize;
        std::optional<std::optional<PixelSize>> jpegSize;
        std::optional<int> orientation;
    };
    std::unordered_map<std::string, Entry> m_entries;
};

} // namespace pagoranto
