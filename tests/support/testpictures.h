#pragma once

#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegencoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

namespace pagoranto {

// Failures then show "640x480" instead of bytes.
inline void PrintTo(const PixelSize &size, std::ostream *out)
{
    *out << size.width << "x" << size.height;
}

} // namespace pagoranto

namespace pagoranto::testing {

// A smooth colour picture: red grows to the right, green downwards, blue is fixed.
inline RgbImage GradientPicture(int width, int height)
{
    RgbImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *pixel = &image.rgb[(std::size_t(y) * width + x) * 3];
            pixel[0] = static_cast<std::uint8_t>(width > 1 ? 255 * x / (width - 1) : 128);
            pixel[1] = static_cast<std::uint8_t>(height > 1 ? 255 * y / (height - 1) : 128);
            pixel[2] = 64;
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

inline std::string MakeJpeg(const RgbImage &image, const JpegEncodeOptions &options = {})
{
    const JpegEncodeResult result = EncodeJpeg(ViewOf(image), options);
    EXPECT_TRUE(result.ok) << result.error;
    return result.jpeg;
}

// The picture with the length of its first quantisation table segment overwritten.
inline std::string WithTableLength(std::string jpeg, int length)
{
    const std::size_t table = jpeg.find("\xFF\xDB");
    EXPECT_NE(table, std::string::npos);
    if (table != std::string::npos) {
        jpeg[table + 2] = static_cast<char>(length >> 8);
        jpeg[table + 3] = static_cast<char>(length & 0xFF);
    }
    return jpeg;
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

class PictureDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("pagoranto-pictures-") + test->test_suite_name() + "-" +
                           test->name();
        std::replace(name.begin(), name.end(), '/', '-');
        m_dir = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path Write(const std::string &name, std::string_view bytes)
    {
        const std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }

    std::filesystem::path m_dir;
};

} // namespace pagoranto::testing
