#include "core/pictures/jpegsegments.h"

namespace pagoranto {

namespace {

bool IsFrameHeader(unsigned char marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

std::optional<JpegLayout> ReadJpegLayout(std::string_view jpeg)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(jpeg[i]); };
    const std::size_t n = jpeg.size();
    if (n < 4 || at(0) != 0xFF || at(1) != 0xD8)
        return std::nullopt;
    JpegLayout layout;
    std::size_t pos = 2;
    while (pos < n) {
        if (at(pos) != 0xFF)
            return std::nullopt;
        std::size_t m = pos;
        while (m < n && at(m) == 0xFF)
            ++m;
        if (m >= n)
            return std::nullopt;
        const unsigned char marker = at(m);
        if (marker == 0xDA || marker == 0xD9) {
            layout.scanStart = pos;
            return layout;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            pos = m + 1;
            continue;
        }
        if (m + 2 >= n)
            return std::nullopt;
        const std::size_t length = (std::size_t(at(m + 1)) << 8) | at(m + 2);
        if (length < 2 || m + 1 + length > n)
            return std::nullopt;
        const std::size_t end = m + 1 + length;
        layout.header.push_back({marker, pos, end, jpeg.substr(m + 3, length - 2)});
        pos = end;
    }
    return std::nullopt;
}

bool HasSegmentName(const JpegSegment &segment, unsigned char marker, std::string_view name)
{
    return segment.marker == marker && segment.payload.starts_with(name);
}

std::optional<PixelSize> FrameSize(const JpegLayout &layout)
{
    for (const JpegSegment &segment : layout.header) {
        if (!IsFrameHeader(segment.marker) || segment.payload.size() < 5)
            continue;
        const auto byte = [&](std::size_t i) {
            return static_cast<unsigned char>(segment.payload[i]);
        };
        return PixelSize{byte(3) << 8 | byte(4), byte(1) << 8 | byte(2)};
    }
    return std::nullopt;
}

bool IsWholeJpeg(std::string_view jpeg, const JpegLayout &layout)
{
    if (!FrameSize(layout) || layout.scanStart >= jpeg.size())
        return false;
    constexpr std::string_view endMarker{"\xFF\xD9", 2};
    // Scan data never holds the end marker's bytes, so the first one after the scan is the end;
    // some cameras append a second picture behind it.
    return jpeg.ends_with(endMarker) ||
           jpeg.find(endMarker, layout.scanStart + 2) != std::string_view::npos;
}

} // namespace pagoranto
