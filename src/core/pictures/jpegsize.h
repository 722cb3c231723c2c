#pragma once

#include "core/pictures/pixelsize.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pagoranto {

// Width and height from the first baseline, extended or progressive frame header (C0, C1, C2),
// found by walking the marker segments after the start of image. Empty ("unknown") when the file
// cannot be opened, does not start with FF D8, ends before a frame header is reached, or holds a
// segment length below 2 (a length that would never move the walk on).
std::optional<PixelSize> ReadJpegSize(const std::filesystem::path &path);

// The text of the first comment segment (FE) before the frame header; empty when there is none
// or the headers cannot be walked.
std::optional<std::string> ReadJpegComment(const std::filesystem::path &path);

// The same answers from bytes that begin a file (wholeFile: they are the whole file); empty when
// the walk needs bytes beyond them and the file itself must be asked.
std::optional<std::optional<PixelSize>> JpegSizeFromStart(std::string_view bytes, bool wholeFile);
std::optional<std::optional<std::string>> JpegCommentFromStart(std::string_view bytes,
                                                               bool wholeFile);

// The file's size in whole kilobytes, rounded up, with " kb": 1024 bytes give "1 kb", 1025 give
// "2 kb". A file that cannot be found (or is no regular file) gives "0 kb", the same as an empty
// one, so a caption never carries an error text.
std::string FileSizeText(const std::filesystem::path &path);

} // namespace pagoranto
