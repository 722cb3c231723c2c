#include "core/pictures/resizejpeg.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegencoder.h"
#include "core/pictures/previewsize.h"
#include "core/pictures/resample.h"
#include "core/text/linefile.h"

#include <algorithm>
#include <cmath>

namespace pagoranto {

namespace {

// A little smoothing takes the edge off block noise at low qualities without visible blur.
constexpr int copySmoothing = 10;

int RoundHalfEven(double value)
{
    // nearbyint in the default rounding mode sends halves to the even neighbour.
    return std::max(1, static_cast<int>(std::nearbyint(value)));
}

ResizeResult Failed(std::string error)
{
    ResizeResult result;
    result.error = std::move(error);
    return result;
}

} // namespace

PixelSize ResizedSize(PixelSize picture, int boxWidth, int boxHeight)
{
    if (picture.width <= 0 || picture.height <= 0)
        return {std::max(1, boxWidth), std::max(1, boxHeight)};
    const double ratio = static_cast<double>(picture.width) / picture.height;
    if (ratio > 1)
        return {std::max(1, boxWidth), RoundHalfEven(boxWidth / ratio)};
    return {RoundHalfEven(boxHeight * ratio), std::max(1, boxHeight)};
}

ResizeResult ResizeJpeg(const std::filesystem::path &source, const ResizeOptions &options,
                        const std::function<void(int)> &progress)
{
    if (options.boxWidth < 1)
        return Failed("Invalid Width");
    if (options.boxHeight < 1)
        return Failed("Invalid Height");
    const PhotoHeader header = ReadPhotoHeader(source);
    if (!header.displayedSize)
        return Failed("no JPEG picture");
    const PixelSize size = ResizedSize(*header.displayedSize, options.boxWidth, options.boxHeight);
    const JpegDecodeResult decoded = DecodeDisplayedJpegFile(
        source, PreviewDecodeScale(*header.displayedSize, size), header.orientation);
    if (!decoded.image)
        return Failed(decoded.error);
    const RgbImage scaled =
        decoded.image->width == size.width && decoded.image->height == size.height
            ? *decoded.image
            : Resample(*decoded.image, size.width, size.height);
    if (scaled.rgb.empty())
        return Failed("the picture cannot be scaled");
    JpegEncodeOptions encoding;
    encoding.quality = std::clamp(options.quality, 1, 100);
    encoding.progressive = options.progressive;
    encoding.smoothing = copySmoothing;
    encoding.comment = options.comment;
    JpegEncodeResult encoded = EncodeJpeg(ViewOf(scaled), encoding, progress);
    if (!encoded)
        return Failed(encoded.error);
    ResizeResult result;
    result.ok = true;
    result.jpeg = std::move(encoded.jpeg);
    result.size = size;
    return result;
}

ResizeResult ResizeJpegFile(const std::filesystem::path &source,
                            const std::filesystem::path &destination, const ResizeOptions &options)
{
    ResizeResult result = ResizeJpeg(source, options);
    if (result.ok && !WriteFileBytes(destination, result.jpeg)) {
        result.ok = false;
        result.error = "cannot write " + destination.string();
    }
    return result;
}

} // namespace pagoranto
