#pragma once

#include "core/pictures/jpegdecoder.h"
#include "core/pictures/pixelsize.h"
#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"
#include "tests/support/testpictures.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
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

inline std::string MakeJpeg(const RgbImage &image, const JpegEncodeOptions &options = {})
{
    const JpegEncodeResult result = EncodePicture(image, options);
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

// A fresh scratch directory for every test, removed afterwards.
class ScratchDirectoryTest : public ::testing::Test {
protected:
    std::filesystem::path file(std::string_view name) const { return m_dir / name; }

    std::filesystem::path Write(const std::string &name, std::string_view bytes)
    {
        const std::filesystem::path path = m_dir / name;
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        EXPECT_TRUE(out) << "cannot write " << path;
        return path;
    }
    void writeBytes(std::string_view name, std::string_view bytes) const
    {
        ASSERT_TRUE(WriteFileBytes(file(name), bytes));
    }
    std::string readBytes(std::string_view name) const
    {
        return ReadFileBytes(file(name)).value_or("<missing>");
    }
    ByteLines readLines(std::string_view name) const
    {
        return ReadLineFile(file(name)).value_or(ByteLines{});
    }
    void writeLines(std::string_view name, const ByteLines &lines) const
    {
        ASSERT_TRUE(WriteLineFile(file(name), lines));
    }

    ScratchDirectory m_scratch;
    const std::filesystem::path m_dir = m_scratch.path();
};

} // namespace pagoranto::testing
