#pragma once

#include "core/pictures/jpegencoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace pagoranto::testing {

struct GradientOptions {
    std::uint8_t blue = 64;
    // true: the last column and row reach 255. false: red is 255*x/width and green
    // 255*y/height, one step short of 255, as some tests' pictures were made.
    bool fullRange = true;
};

// A smooth colour picture: red grows to the right, green downwards, blue is fixed.
inline RgbImage GradientPicture(int width, int height, GradientOptions gradient = {})
{
    RgbImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    const auto ramp = [&gradient](int at, int size) {
        if (!gradient.fullRange)
            return static_cast<std::uint8_t>(255 * at / size);
        return static_cast<std::uint8_t>(size > 1 ? 255 * at / (size - 1) : 128);
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *pixel = &image.rgb[(std::size_t(y) * width + x) * 3];
            pixel[0] = ramp(x, width);
            pixel[1] = ramp(y, height);
            pixel[2] = gradient.blue;
        }
    return image;
}

// Noise compresses badly, so nearly all of the file is picture data and not header.
inline RgbImage NoisePicture(int width, int height)
{
    std::mt19937 random(7);
    RgbImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    for (auto &byte : image.rgb)
        byte = static_cast<std::uint8_t>(random());
    return image;
}

inline RgbImage FlatPicture(int width, int height, std::array<std::uint8_t, 3> colour)
{
    RgbImage image{width, height, {}};
    image.rgb.reserve(std::size_t(width) * height * 3);
    for (int i = 0; i < width * height; ++i)
        image.rgb.insert(image.rgb.end(), colour.begin(), colour.end());
    return image;
}

// The JPEG bytes are in .jpeg when .ok; .error says why not.
inline JpegEncodeResult EncodePicture(const RgbImage &image, const JpegEncodeOptions &options = {})
{
    return EncodeJpeg(ViewOf(image), options);
}

inline JpegEncodeResult WritePicture(const std::filesystem::path &file, const RgbImage &image,
                                     const JpegEncodeOptions &options = {})
{
    return EncodeJpegFile(file, ViewOf(image), options);
}

// A JPEG start marker followed by rubbish: no decoder makes a picture of it.
inline std::string DamagedJpeg()
{
    return std::string("\xFF\xD8\xFF\xE0 this is no picture at all", 30);
}

// A photo as a camera stores a turned shot: red in the top half, blue in the bottom half.
inline RgbImage RedOverBluePicture(int width, int height)
{
    RgbImage image = FlatPicture(width, height, {0, 0, 255});
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *pixel = &image.rgb[(std::size_t(y) * width + x) * 3];
            pixel[0] = 255;
            pixel[2] = 0;
        }
    return image;
}

// The JPEG with an EXIF segment right after its start that holds only the orientation tag.
inline std::string WithExifOrientation(const std::string &jpeg, int orientation)
{
    const std::string tiff = std::string("MM\x00\x2A\x00\x00\x00\x08", 8) + // big-endian, IFD at 8
                             std::string("\x00\x01", 2) +                   // one entry
                             std::string("\x01\x12\x00\x03\x00\x00\x00\x01", 8) + // SHORT
                             std::string("\x00", 1) + char(orientation) +
                             std::string("\x00\x00", 2) +        // value, padded
                             std::string("\x00\x00\x00\x00", 4); // no next IFD
    const std::string payload = std::string("Exif\x00\x00", 6) + tiff;
    const std::size_t length = payload.size() + 2;
    const std::string segment =
        std::string("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + payload;
    return jpeg.substr(0, 2) + segment + jpeg.substr(2);
}

inline int ChannelDistance(const RgbImage &a, const RgbImage &b, int x, int y)
{
    int distance = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const std::size_t at = (std::size_t(y) * a.width + x) * 3 + channel;
        distance = std::max(distance, std::abs(int(a.rgb[at]) - int(b.rgb[at])));
    }
    return distance;
}

} // namespace pagoranto::testing
