#pragma once

#include "core/pictures/pixelsize.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace pagoranto {

// One marker segment before the first scan.
struct JpegSegment {
    unsigned char marker = 0;
    std::size_t begin = 0;    // where its bytes start in the stream, fill bytes included
    std::size_t end = 0;      // one past its last byte
    std::string_view payload; // what follows the length field
};

struct JpegLayout {
    std::vector<JpegSegment> header; // the segments between the start marker and the first scan
    std::size_t scanStart = 0;       // where the marker of the first scan (or the end) begins
};

// The segments of a JPEG stream up to its first scan; empty when the bytes are no JPEG stream
// or a segment runs past their end. The bytes may end anywhere after the first scan's marker.
std::optional<JpegLayout> ReadJpegLayout(std::string_view jpeg);

// The payload of an application segment starts with this name ("Exif\0\0", "MPF\0" ...).
bool HasSegmentName(const JpegSegment &segment, unsigned char marker, std::string_view name);

// Width and height from the frame header; empty without one.
std::optional<PixelSize> FrameSize(const JpegLayout &layout);

// The stream has a frame header and its end marker after the first scan: it was not cut off.
bool IsWholeJpeg(std::string_view jpeg, const JpegLayout &layout);

} // namespace pagoranto
