#include "core/pictures/photometadata.h"

#include "core/pictures/exifedit.h"
#include "core/pictures/jpegsegments.h"

#include <optional>
#include <vector>

namespace pagoranto {

namespace {

constexpr unsigned char app0 = 0xE0;
constexpr unsigned char app1 = 0xE1;
constexpr unsigned char app2 = 0xE2;
constexpr unsigned char app14 = 0xEE;
constexpr unsigned char comment = 0xFE;

constexpr std::string_view exifName{"Exif\0\0", 6};
constexpr std::string_view xmpName{"http://ns.adobe.com/xap/1.0/\0", 29};
constexpr std::string_view extendedXmpName{"http://ns.adobe.com/xmp/extension/\0", 35};
// An extended packet's chunk starts with the packet's digest, its full length and the offset.
constexpr std::size_t extendedXmpChunkHeader = 32 + 4 + 4;

bool IsXmp(const JpegSegment &segment)
{
    return HasSegmentName(segment, app1, xmpName) || HasSegmentName(segment, app1, extendedXmpName);
}

bool IsMetadata(const JpegSegment &segment)
{
    return (segment.marker >= app0 && segment.marker <= 0xEF) || segment.marker == comment;
}

// Segments that describe the stream they sit in rather than the photo.
bool DescribesItsStream(const JpegSegment &segment)
{
    return segment.marker == app0 || HasSegmentName(segment, app14, "Adobe") ||
           HasSegmentName(segment, app2, std::string_view("MPF\0", 4));
}

// Every XMP property is named with its namespace's prefix, so a GPS property (GPSLatitude,
// GPSAltitude ...) always shows as ":GPS". The chunks of an extended packet are read joined, so
// a name split between two chunks is found too.
bool XmpHoldsGps(const JpegLayout &layout)
{
    std::string packets;
    for (const JpegSegment &segment : layout.header) {
        if (HasSegmentName(segment, app1, xmpName))
            packets.append(segment.payload.substr(xmpName.size()));
        else if (HasSegmentName(segment, app1, extendedXmpName))
            packets.append(segment.payload.substr(
                std::min(segment.payload.size(), extendedXmpName.size() + extendedXmpChunkHeader)));
    }
    return packets.find(":GPS") != std::string::npos;
}

// The orientation in both ways XMP writes a property, each digit replaced in place so that no
// length in the packet changes.
std::string XmpUpright(std::string_view payload)
{
    std::string packet(payload);
    for (const std::string_view opening :
         {"tiff:Orientation=\"", "tiff:Orientation='", "<tiff:Orientation>"}) {
        for (std::size_t at = packet.find(opening); at != std::string::npos;
             at = packet.find(opening, at + 1)) {
            const std::size_t digit = at + opening.size();
            if (digit < packet.size() && packet[digit] >= '1' && packet[digit] <= '8')
                packet[digit] = '1';
        }
    }
    return packet;
}

std::string SegmentBytes(unsigned char marker, std::string_view payload)
{
    const std::size_t length = payload.size() + 2;
    std::string bytes{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8),
                      static_cast<char>(length & 0xFF)};
    bytes.append(payload);
    return bytes;
}

// What a copy keeps of one segment's payload; empty when the segment goes.
std::optional<std::string> KeptPayload(const JpegSegment &segment, bool xmpHoldsGps,
                                       const ExifChanges &changes)
{
    if (HasSegmentName(segment, app1, exifName))
        return EditedExif(segment.payload, changes);
    if (IsXmp(segment)) {
        if (xmpHoldsGps)
            return std::nullopt;
        if (changes.upright && HasSegmentName(segment, app1, xmpName))
            return XmpUpright(segment.payload);
    }
    return std::string(segment.payload);
}

} // namespace

std::string WithoutGpsPosition(std::string_view jpeg)
{
    const std::optional<JpegLayout> layout = ReadJpegLayout(jpeg);
    if (!layout)
        return std::string(jpeg);
    const bool xmpHoldsGps = XmpHoldsGps(*layout);
    std::string result;
    result.reserve(jpeg.size());
    std::size_t copied = 0;
    for (const JpegSegment &segment : layout->header) {
        const std::optional<std::string> payload = KeptPayload(segment, xmpHoldsGps, {});
        if (payload && *payload == segment.payload)
            continue;
        result.append(jpeg.substr(copied, segment.begin - copied));
        if (payload)
            result += SegmentBytes(segment.marker, *payload);
        copied = segment.end;
    }
    result.append(jpeg.substr(copied));
    return result;
}

std::string WithPhotoMetadata(std::string_view fresh, std::string_view sourceHeader)
{
    const std::optional<JpegLayout> freshLayout = ReadJpegLayout(fresh);
    const std::optional<JpegLayout> source = ReadJpegLayout(sourceHeader);
    if (!freshLayout || !source)
        return std::string(fresh);
    ExifChanges changes;
    changes.upright = true;
    changes.pixelSize = FrameSize(*freshLayout);
    const bool xmpHoldsGps = XmpHoldsGps(*source);
    std::string carried;
    for (const JpegSegment &segment : source->header) {
        if (!IsMetadata(segment) || DescribesItsStream(segment))
            continue;
        if (const std::optional<std::string> payload = KeptPayload(segment, xmpHoldsGps, changes))
            carried += SegmentBytes(segment.marker, *payload);
    }
    // JFIF has to come first; the fresh picture's own comment (a stamp of what it was made
    // from) stays the first comment, the one readers take; the photo's segments follow.
    std::size_t insertAt = 2;
    for (const JpegSegment &segment : freshLayout->header) {
        if (segment.marker != app0 && segment.marker != comment)
            break;
        insertAt = segment.end;
    }
    std::string result(fresh.substr(0, insertAt));
    result += carried;
    result.append(fresh.substr(insertAt));
    return result;
}

} // namespace pagoranto
