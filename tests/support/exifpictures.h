#pragma once

// Photos with the metadata cameras and editors write, made with libexif, and readers of it.
#include <cstdlib>
#include <cstring>
#include <libexif/exif-data.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto::testing {

struct PhotoFacts {
    int orientation = 1; // 0: no orientation tag
    bool gps = false;
    std::string thumbnail = {}; // a JPEG stored as the embedded preview when not empty
};

namespace exifdetail {

struct Release {
    void operator()(ExifData *data) const { exif_data_unref(data); }
};
using ExifPointer = std::unique_ptr<ExifData, Release>;

inline void Add(ExifData *data, ExifIfd ifd, ExifTag tag, ExifFormat format, std::string_view bytes)
{
    ExifEntry *entry = exif_entry_new();
    entry->tag = tag;
    entry->format = format;
    entry->components = bytes.size() / exif_format_get_size(format);
    entry->size = static_cast<unsigned int>(bytes.size());
    entry->data = static_cast<unsigned char *>(std::malloc(bytes.size()));
    std::memcpy(entry->data, bytes.data(), bytes.size());
    exif_content_add_entry(data->ifd[ifd], entry);
    exif_entry_unref(entry);
}

inline void AddText(ExifData *data, ExifIfd ifd, ExifTag tag, const std::string &text)
{
    Add(data, ifd, tag, EXIF_FORMAT_ASCII, std::string_view(text.c_str(), text.size() + 1));
}

inline std::string Short(int value)
{
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline std::string Long(unsigned value)
{
    return Short(static_cast<int>(value & 0xFFFF)) + Short(static_cast<int>(value >> 16));
}

inline std::string Segment(unsigned char marker, std::string_view payload)
{
    const std::size_t length = payload.size() + 2;
    return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8),
                       static_cast<char>(length & 0xFF)} +
           std::string(payload);
}

} // namespace exifdetail

inline constexpr std::string_view xmpName{"http://ns.adobe.com/xap/1.0/\0", 29};

// An EXIF block ("Exif\0\0" ...) as cameras write it: camera, date taken and copyright, and the
// facts asked for.
inline std::string ExifBlock(const PhotoFacts &facts)
{
    using namespace exifdetail;
    const ExifPointer data(exif_data_new());
    exif_data_set_byte_order(data.get(), EXIF_BYTE_ORDER_INTEL);
    AddText(data.get(), EXIF_IFD_0, EXIF_TAG_MAKE, "Lumenta");
    AddText(data.get(), EXIF_IFD_0, EXIF_TAG_MODEL, "LX-7");
    AddText(data.get(), EXIF_IFD_0, EXIF_TAG_COPYRIGHT, "Ada Example");
    if (facts.orientation > 0)
        Add(data.get(), EXIF_IFD_0, EXIF_TAG_ORIENTATION, EXIF_FORMAT_SHORT,
            Short(facts.orientation));
    AddText(data.get(), EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, "2024:05:06 07:08:09");
    if (facts.gps) {
        AddText(data.get(), EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE_REF), "N");
        Add(data.get(), EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE),
            EXIF_FORMAT_RATIONAL, Long(48) + Long(1) + Long(8) + Long(1) + Long(30) + Long(1));
    }
    if (!facts.thumbnail.empty()) {
        Add(data.get(), EXIF_IFD_1, EXIF_TAG_COMPRESSION, EXIF_FORMAT_SHORT, Short(6));
        data->data = static_cast<unsigned char *>(std::malloc(facts.thumbnail.size()));
        std::memcpy(data->data, facts.thumbnail.data(), facts.thumbnail.size());
        data->size = static_cast<unsigned int>(facts.thumbnail.size());
    }
    unsigned char *saved = nullptr;
    unsigned int size = 0;
    exif_data_save_data(data.get(), &saved, &size);
    std::string block(reinterpret_cast<const char *>(saved), size);
    std::free(saved);
    return block;
}

// The JPEG with the segments after its start marker: EXIF, then the others given.
inline std::string WithSegments(const std::string &jpeg, const std::vector<std::string> &segments)
{
    std::string result = jpeg.substr(0, 2);
    for (const std::string &segment : segments)
        result += segment;
    return result + jpeg.substr(2);
}

inline std::string ExifSegment(const PhotoFacts &facts)
{
    return exifdetail::Segment(0xE1, ExifBlock(facts));
}

inline std::string XmpSegment(const std::string &properties)
{
    return exifdetail::Segment(
        0xE1, std::string(xmpName) +
                  "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF><rdf:Description " + properties +
                  "/></rdf:RDF></x:xmpmeta>");
}

inline std::string IptcSegment()
{
    using namespace std::string_view_literals;
    return exifdetail::Segment(0xED, "Photoshop 3.0\0008BIM\004\004\0\0\0\0\0\x0b"
                                     "\x1c\x02\x74\0\x05Owner"sv);
}

inline std::string IccSegment()
{
    using namespace std::string_view_literals;
    return exifdetail::Segment(0xE2, "ICC_PROFILE\0\1\1 pretend profile"sv);
}

inline std::string CommentSegment(const std::string &text)
{
    return exifdetail::Segment(0xFE, text);
}

// What a copy's EXIF block says, read with libexif.
struct ReadExif {
    exifdetail::ExifPointer data;

    explicit ReadExif(const std::string &jpeg)
    {
        const std::size_t at = jpeg.find(std::string_view("Exif\0\0", 6));
        if (at == std::string::npos || at < 4)
            return;
        const std::size_t length = (std::size_t(static_cast<unsigned char>(jpeg[at - 2])) << 8) |
                                   static_cast<unsigned char>(jpeg[at - 1]);
        data.reset(
            exif_data_new_from_data(reinterpret_cast<const unsigned char *>(jpeg.data()) + at,
                                    static_cast<unsigned int>(length - 2)));
    }
    explicit operator bool() const { return data != nullptr; }

    std::optional<std::string> Text(ExifIfd ifd, ExifTag tag) const
    {
        ExifEntry *entry = exif_content_get_entry(data->ifd[ifd], tag);
        if (!entry || entry->format != EXIF_FORMAT_ASCII || entry->size == 0)
            return std::nullopt;
        return std::string(reinterpret_cast<const char *>(entry->data), entry->size - 1);
    }
    std::optional<unsigned> Number(ExifIfd ifd, ExifTag tag) const
    {
        ExifEntry *entry = exif_content_get_entry(data->ifd[ifd], tag);
        if (!entry)
            return std::nullopt;
        const ExifByteOrder order = exif_data_get_byte_order(data.get());
        return entry->format == EXIF_FORMAT_SHORT ? exif_get_short(entry->data, order)
                                                  : exif_get_long(entry->data, order);
    }
    unsigned GpsEntries() const { return data->ifd[EXIF_IFD_GPS]->count; }
    bool HasThumbnail() const { return data->size > 0 || data->ifd[EXIF_IFD_1]->count > 0; }
};

} // namespace pagoranto::testing
