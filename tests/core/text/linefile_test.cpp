#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

class LineFileTest : public ::testing::Test {
protected:
    testing::ScratchDirectory m_scratch;
    const fs::path m_dir = m_scratch.path();
};

TEST(SplitLines, AcceptsLfAndCrLfLineEnds)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (ByteLines{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (ByteLines{"a", ""}));
    EXPECT_EQ(SplitLines(""), ByteLines{});
    EXPECT_EQ(SplitLines("cr\rinside\n"), ByteLines{"cr\rinside"});
}

TEST_F(LineFileTest, WritesCrLfAndReadsItBack)
{
    const ByteLines lines{"<html>", "",
                          "Gr\xF6\xDF"
                          "e",
                          "end"};
    ASSERT_TRUE(WriteLineFile(m_dir / "page.html", lines));
    EXPECT_EQ(ReadFileBytes(m_dir / "page.html"), "<html>\r\n\r\nGr\xF6\xDF"
                                                  "e\r\nend\r\n");
    EXPECT_EQ(ReadLineFile(m_dir / "page.html"), lines);
}

TEST_F(LineFileTest, MissingFileOrDirectoryIsNoText)
{
    EXPECT_FALSE(ReadLineFile(m_dir / "missing.cfg").has_value());
    EXPECT_FALSE(ReadLineFile(m_dir).has_value());
}

TEST_F(LineFileTest, FailedWriteKeepsTheEarlierFileAndLeavesNoLeftovers)
{
    ASSERT_TRUE(WriteLineFile(m_dir / "keep.cfg", {"old"}));
    EXPECT_FALSE(WriteLineFile(m_dir, {"x"}));
    if (::geteuid() != 0) {
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_FALSE(WriteLineFile(m_dir / "keep.cfg", {"new"}));
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
    }
    EXPECT_FALSE(WriteLineFile(m_dir / "no-such-dir" / "file.cfg", {"x"}));
    EXPECT_EQ(ReadLineFile(m_dir / "keep.cfg"), ByteLines{"old"});
    int entries = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(m_dir))
        ++entries;
    EXPECT_EQ(entries, 1);
}

} // namespace
} // namespace pagoranto
