#pragma once

#include "core/pictures/rgbimage.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace pagoranto {

enum class PixelLayout { rgb, grey };

// Pixels to encode: rows from the top, no padding between rows, 3 bytes a pixel for rgb and 1
// for grey. The view does not own the bytes.
struct PixelView {
    int width = 0;
    int height = 0;
    PixelLayout layout = PixelLayout::rgb;
    std::span<const std::uint8_t> pixels;
};

PixelView ViewOf(const RgbImage &image);

struct JpegEncodeOptions {
    int quality = 75; // 1..100, values outside are clamped
    bool progressive = false;
    int smoothing = 0;        // 0..100, values outside are clamped
    bool greyscale = false;   // store a grey picture, also from RGB pixels
    std::string comment = {}; // written as a comment segment when not empty (at most 65533 bytes)
};

struct JpegEncodeResult {
    bool ok = false;
    // The encoded picture from EncodeJpeg; EncodeJpegFile leaves it empty.
    std::string jpeg;
    // Why it failed; empty when ok.
    std::string error;

    explicit operator bool() const { return ok; }
};

// Fails (never throws) when the pixels do not match the size and layout, or the size is 0 or
// beyond what JPEG can hold.
JpegEncodeResult EncodeJpeg(const PixelView &pixels, const JpegEncodeOptions &options = {});
// The same, telling progress how far it is, 0..100, on the encoding thread.
JpegEncodeResult EncodeJpeg(const PixelView &pixels, const JpegEncodeOptions &options,
                            const std::function<void(int percent)> &progress);

// Writes through a temporary file beside the target, so a failure leaves no half picture and
// any earlier file as it was.
JpegEncodeResult EncodeJpegFile(const std::filesystem::path &path, const PixelView &pixels,
                                const JpegEncodeOptions &options = {});

} // namespace pagoranto
