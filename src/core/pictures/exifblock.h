#pragma once

#include <cstddef>
#include <libexif/exif-utils.h>
#include <optional>
#include <string_view>

namespace pagoranto {

// How an EXIF block (an APP1 payload) starts; the TIFF data follow.
inline constexpr std::string_view exifHeader{"Exif\0\0", 6};

// The TIFF data of an EXIF block and the byte order their header names.
struct TiffData {
    const unsigned char *bytes = nullptr;
    std::size_t size = 0;
    ExifByteOrder order = EXIF_BYTE_ORDER_MOTOROLA;
};

// Empty when the block is too short for the TIFF header with its first directory's offset, or
// names no byte order.
inline std::optional<TiffData> TiffDataOf(std::string_view exif)
{
    if (exif.size() < exifHeader.size() + 8)
        return std::nullopt;
    TiffData tiff{reinterpret_cast<const unsigned char *>(exif.data()) + exifHeader.size(),
                  exif.size() - exifHeader.size()};
    if (tiff.bytes[0] == 'I' && tiff.bytes[1] == 'I')
        tiff.order = EXIF_BYTE_ORDER_INTEL;
    else if (tiff.bytes[0] == 'M' && tiff.bytes[1] == 'M')
        tiff.order = EXIF_BYTE_ORDER_MOTOROLA;
    else
        return std::nullopt;
    return tiff;
}

} // namespace pagoranto
