#pragma once

#include "core/pictures/pixelsize.h"
#include "core/pictures/rgbimage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// The decoder's own reduction while decoding: each side is divided and rounded up, so
// 3000 x 2000 at one eighth is 375 x 250 and 400 x 300 is 50 x 38.
enum class JpegScale { full = 1, half = 2, quarter = 4, eighth = 8 };

struct JpegDecodeResult {
    // Empty when the picture could not be decoded; error then says why.
    std::optional<RgbImage> image;
    std::string error;
    // The first complaint about damaged data that still gave a picture. Data that ends early is
    // such a case: the picture then holds what arrived and the rest is filled in grey, so a file
    // cut off while copying still shows its upper part; callers that must not keep such a picture
    // can refuse it by this text. A failed decode keeps it too: a file cut off in its header
    // fails with a complaint about the missing picture, and this says why it is missing.
    std::string warning;

    explicit operator bool() const { return image.has_value(); }
};

// Grey pictures come out as RGB with equal channels; CMYK and YCCK pictures are converted to
// RGB (Adobe's inverted ink values are recognised). Never throws; a file that is missing, empty,
// no JPEG or damaged beyond its header gives an error.
JpegDecodeResult DecodeJpegFile(const std::filesystem::path &path,
                                JpegScale scale = JpegScale::full);
JpegDecodeResult DecodeJpegBytes(std::string_view jpeg, JpegScale scale = JpegScale::full);

// Width and height from the picture's header as the decoder reads it, without decoding the
// picture. Empty when the decoder does not accept the header.
std::optional<PixelSize> ReadPictureSize(const std::filesystem::path &path);

// The start of a JPEG file as the decoder's header reading left it, from one open: every byte
// the decoder read (at least up to the first scan, or the whole file), the size it found and the
// file's own facts, so the other header questions need not open the file again.
struct JpegHead {
    std::string bytes;
    bool wholeFile = false; // bytes hold the whole file
    std::uint64_t fileBytes = 0;
    std::filesystem::file_time_type modified;
    std::optional<PixelSize> storedSize; // as ReadPictureSize gives it
};
// Empty when the path is no regular file that can be opened.
std::optional<JpegHead> ReadJpegHead(const std::filesystem::path &path);
// The same for the file of that name in an open folder (as openat takes them).
std::optional<JpegHead> ReadJpegHeadAt(int folder, const char *name);

} // namespace pagoranto
