#pragma once

#include "core/pictures/jpegdecoder.h"
#include "core/pictures/rgbimage.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace pagoranto {

// A progressive JPEG at one eighth of its size, made from the DC coefficient of each 8x8 block
// alone. libjpeg holds every coefficient of a progressive picture while its scans arrive (36 MB
// for 12 megapixels, whatever the output scale); this keeps one value a block and skips the
// data of the AC scans. The pixels are those of libjpeg's 1/8 decode, except as below.
//
// Empty for anything it does not take: pictures that are not progressive Huffman-coded 8-bit
// grey or YCbCr, Adobe or RGB component conventions, odd sampling, and damaged or truncated
// data. Callers then decode with libjpeg, which handles (or refuses) these as before.
//
// Chroma halved both ways is taken by libjpeg from a few AC coefficients too. Exact decodes those
// of its AC scans, which about doubles the time; estimated interpolates between the block means:
// close on smooth colour, off by up to a few dozen levels at hard colour edges, which a small
// tile drawn by nearest sample hardly shows.
enum class HalvedChroma { exact, estimated };
std::optional<RgbImage> DecodeProgressiveDc(std::string_view jpeg,
                                            HalvedChroma chroma = HalvedChroma::exact);
std::optional<RgbImage> DecodeProgressiveDcFile(const std::filesystem::path &path,
                                                HalvedChroma chroma = HalvedChroma::exact);

// The photo at one eighth of its size as displayed (EXIF orientation applied), for pictures
// that are only shown small: the DC decode with estimated chroma where it applies, libjpeg's
// otherwise.
JpegDecodeResult DecodeDisplayedJpegFileAtEighth(const std::filesystem::path &path);

// DecodeDisplayedJpegFile for pictures that are made smaller still (thumbnails, small copies): at
// one eighth a progressive photo comes from the DC decode, which takes a fraction of libjpeg's
// time and runs beside other decodes; any other scale, or dcDecode false, is libjpeg's decode.
JpegDecodeResult DecodeDisplayedJpegFileToShrink(const std::filesystem::path &path, JpegScale scale,
                                                 int orientation, bool dcDecode = true);

} // namespace pagoranto
