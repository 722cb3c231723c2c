#include "core/pictures/resizejpeg.h"

#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegencoder.h"
#include "core/pictures/photometadata.h"
#include "core/pictures/previewsize.h"
#include "core/pictures/progressivedcdecoder.h"
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
    const std::optional<JpegHead> head = ReadJpegHead(source);
    if (!head || !head->storedSize)
        return Failed("no JPEG picture");
    const int orientation = ExifOrientationOf(head->bytes);
    const PixelSize displayed = DisplayedSize(*head->storedSize, orientation);
    const PixelSize size = ResizedSize(displayed, options.boxWidth, options.boxHeight);
    const JpegDecodeResult decoded =
        DecodeDisplayedJpegFileToShrink(source, PreviewDecodeScale(displayed, size), orientation);
    if (!decoded.image)
        return Failed(decoded.error);
    // Half a picture filled with grey is no copy of the photo.
    if (!decoded.warning.empty())
        return Failed(decoded.warning);
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
    result.jpeg = WithPhotoMetadata(encoded.jpeg, head->bytes);
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
