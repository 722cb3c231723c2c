#include "core/text/linefile.h"
#include "core/text/reusedlinefile.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

class ReusedLineFileTest : public ::testing::Test {
protected:
    testing::ScratchDirectory m_scratch;
    const fs::path m_dir = m_scratch.path();
    const fs::path m_file = m_dir / "layout.html";
    ReusedLineFile m_reused;

    ByteLines Lines(const fs::path &path)
    {
        const ByteLines *lines = m_reused.Lines(path);
        return lines ? *lines : ByteLines{"<none>"};
    }
};

TEST_F(ReusedLineFileTest, GivesTheLinesOfTheFileAsItIsNow)
{
    ASSERT_TRUE(WriteFileBytes(m_file, "$PIC$\r\n$COUNT$"));
    EXPECT_EQ(Lines(m_file), (ByteLines{"$PIC$", "$COUNT$"}));
    EXPECT_EQ(Lines(m_file), (ByteLines{"$PIC$", "$COUNT$"}));

    // Edited in place to the same size and given back its time: still seen.
    const fs::file_time_type time = fs::last_write_time(m_file);
    {
        std::FILE *out = std::fopen(m_file.c_str(), "r+b");
        ASSERT_NE(out, nullptr);
        std::fputs("$TAG$", out);
        std::fclose(out);
    }
    fs::last_write_time(m_file, time);
    EXPECT_EQ(Lines(m_file), (ByteLines{"$TAG$", "$COUNT$"}));

    // Replaced by another file.
    ASSERT_TRUE(WriteFileBytes(m_dir / "other.html", "other"));
    fs::rename(m_dir / "other.html", m_file);
    EXPECT_EQ(Lines(m_file), ByteLines{"other"});

    // Another path with the same content is another file.
    ASSERT_TRUE(WriteFileBytes(m_dir / "second.html", "second"));
    EXPECT_EQ(Lines(m_dir / "second.html"), ByteLines{"second"});
}

TEST_F(ReusedLineFileTest, UnreadableFileGivesNothingUntilItIsBack)
{
    ASSERT_TRUE(WriteFileBytes(m_file, "kept"));
    EXPECT_EQ(Lines(m_file), ByteLines{"kept"});
    fs::rename(m_file, m_dir / "away.html");
    EXPECT_EQ(m_reused.Lines(m_file), nullptr);
    ASSERT_EQ(::mkfifo(m_file.c_str(), 0600), 0);
    EXPECT_EQ(m_reused.Lines(m_file), nullptr);
    fs::remove(m_file);
    fs::rename(m_dir / "away.html", m_file);
    EXPECT_EQ(Lines(m_file), ByteLines{"kept"});
    EXPECT_EQ(m_reused.Lines(m_dir), nullptr);
}

} // namespace
} // namespace pagoranto
