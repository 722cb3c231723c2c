#pragma once

#include "core/pictures/pixelsize.h"

#include <filesystem>
#include <functional>
#include <string>

namespace pagoranto {

// Landscape pictures take the box width, all others the box height, at the picture's ratio
// rounded to the nearest integer, halves to even; the other side may exceed the box, and small
// pictures are enlarged. No side comes out below 1.
PixelSize ResizedSize(PixelSize picture, int boxWidth, int boxHeight);

struct ResizeOptions {
    int boxWidth = 640;
    int boxHeight = 480;
    int quality = 70; // 1..100
    bool progressive = false;
    std::string comment = {}; // the copy's JPEG comment; empty: none
};

struct ResizeResult {
    bool ok = false;
    std::string error; // "Invalid Width", "Invalid Height" or why the picture failed
    std::string jpeg;  // the encoded copy
    PixelSize size;    // its size
};

// The photo as displayed, scaled into the box by an area average after the decoder's own
// reduction to the smallest size still at least the new one (a progressive photo at one eighth
// from its DC coefficients alone), then encoded with the photo's metadata as WithPhotoMetadata
// carries it over (no GPS, orientation 1, the new size). A picture that decodes only in part (cut
// off, damaged) fails.
// progress is told how far the encoding is, 0..100, on the calling thread.
ResizeResult ResizeJpeg(const std::filesystem::path &source, const ResizeOptions &options,
                        const std::function<void(int percent)> &progress = {});

// ResizeJpeg written to destination, replacing a file that is there.
ResizeResult ResizeJpegFile(const std::filesystem::path &source,
                            const std::filesystem::path &destination, const ResizeOptions &options);

} // namespace pagoranto
