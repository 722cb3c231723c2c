#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
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

struct stat Status(const fs::path &path)
{
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status;
}

int EntriesIn(const fs::path &dir)
{
    int entries = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(dir))
        ++entries;
    return entries;
}

TEST_F(LineFileTest, SameBytesLeaveTheFileUntouchedAndOthersReplaceIt)
{
    const fs::path page = m_dir / "page.html";
    ASSERT_TRUE(WriteFileBytes(page, "<p>one</p>\r\n"));
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    fs::last_write_time(page, old);
    struct stat before = Status(page);

    EXPECT_TRUE(WriteChangedFileBytes(page, "<p>one</p>\r\n"));
    EXPECT_EQ(fs::last_write_time(page), old);
    EXPECT_EQ(Status(page).st_ino, before.st_ino);
    // A file that is not compared is written again whatever it holds.
    EXPECT_TRUE(WriteFileBytes(page, "<p>one</p>\r\n"));
    EXPECT_NE(fs::last_write_time(page), old);
    fs::last_write_time(page, old);
    before = Status(page);

    // Same length, other bytes; then a longer and a shorter text with the same beginning.
    for (const std::string_view text : {"<p>two</p>\r\n", "<p>two</p>\r\nmore", "<p>"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(WriteChangedFileBytes(page, text));
        EXPECT_EQ(ReadFileBytes(page), text);
        EXPECT_NE(fs::last_write_time(page), old);
    }
    // The earlier page was replaced, never rewritten in place, and no temporary file is left.
    EXPECT_NE(Status(page).st_ino, before.st_ino);
    EXPECT_EQ(EntriesIn(m_dir), 1);
}

TEST_F(LineFileTest, NewFileIsCreatedInPlaceWithNothingBeside)
{
    ASSERT_TRUE(WriteChangedFileBytes(m_dir / "new.html", "fresh"));
    ASSERT_TRUE(WriteChangedFileBytes(m_dir / "empty.html", ""));
    EXPECT_EQ(ReadFileBytes(m_dir / "new.html"), "fresh");
    EXPECT_EQ(ReadFileBytes(m_dir / "empty.html"), "");
    EXPECT_EQ(EntriesIn(m_dir), 2);
    EXPECT_TRUE(FileHoldsBytes(m_dir / "empty.html", ""));
    EXPECT_FALSE(FileHoldsBytes(m_dir / "missing.html", ""));
    EXPECT_FALSE(FileHoldsBytes(m_dir, ""));
}

TEST_F(LineFileTest, ComparingLargeFilesAndRefusingDirectories)
{
    std::string large(200'000, 'x');
    const fs::path page = m_dir / "large.html";
    ASSERT_TRUE(WriteChangedFileBytes(page, large));
    EXPECT_TRUE(FileHoldsBytes(page, large));
    std::string lastDiffers = large;
    lastDiffers.back() = 'y';
    EXPECT_FALSE(FileHoldsBytes(page, lastDiffers));
    EXPECT_FALSE(FileHoldsBytes(page, large.substr(1)));
    EXPECT_FALSE(FileHoldsBytes(page, large + "x"));
    ASSERT_TRUE(WriteChangedFileBytes(page, lastDiffers));
    EXPECT_EQ(ReadFileBytes(page), lastDiffers);

    fs::create_directory(m_dir / "folder.html");
    fs::create_directory_symlink(m_dir / "folder.html", m_dir / "link-to-folder.html");
    for (const char *name : {"folder.html", "link-to-folder.html"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(WriteChangedFileBytes(m_dir / name, "page"));
        EXPECT_TRUE(fs::is_directory(m_dir / name));
    }
    EXPECT_TRUE(fs::is_symlink(m_dir / "link-to-folder.html"));
    EXPECT_TRUE(fs::is_empty(m_dir / "folder.html"));
}

TEST_F(LineFileTest, LinksAndFifosInThePlaceOfAFileAreReplacedNotFollowed)
{
    fs::create_directory(m_dir / "out");
    const fs::path outside = m_dir / "outside.html";
    ASSERT_TRUE(WriteFileBytes(outside, "same"));
    fs::create_symlink(outside, m_dir / "out" / "link.html");
    fs::create_symlink(m_dir / "nowhere", m_dir / "out" / "dangling.html");
    ASSERT_EQ(::mkfifo((m_dir / "out" / "fifo.html").c_str(), 0600), 0);

    for (const char *name : {"link.html", "dangling.html", "fifo.html"}) {
        SCOPED_TRACE(name);
        const fs::path path = m_dir / "out" / name;
        EXPECT_FALSE(FileHoldsBytes(path, "same"));
        EXPECT_TRUE(WriteChangedFileBytes(path, "same"));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
        EXPECT_EQ(ReadFileBytes(path), "same");
    }
    EXPECT_EQ(ReadFileBytes(outside), "same");
    EXPECT_FALSE(fs::exists(m_dir / "nowhere"));
    EXPECT_EQ(EntriesIn(m_dir / "out"), 3);
}

TEST_F(LineFileTest, ALinkUnderTheTemporaryNameIsNotWrittenThrough)
{
    const fs::path outside = m_dir / "outside.txt";
    ASSERT_TRUE(WriteFileBytes(outside, "private"));
    ASSERT_TRUE(WriteFileBytes(m_dir / "page.html", "old"));
    fs::path planted = m_dir / "page.html";
    planted += ".partial~" + std::to_string(::getpid());
    fs::create_symlink(outside, planted);
    EXPECT_TRUE(WriteFileBytes(m_dir / "page.html", "new"));
    EXPECT_EQ(ReadFileBytes(m_dir / "page.html"), "new");
    EXPECT_EQ(ReadFileBytes(outside), "private");
    EXPECT_FALSE(fs::exists(fs::symlink_status(planted)));
}

TEST_F(LineFileTest, UnchangedFileThatCannotBeWrittenStillCounts)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
    ASSERT_TRUE(WriteFileBytes(m_dir / "keep.cfg", "same"));
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
    const bool same = WriteChangedFileBytes(m_dir / "keep.cfg", "same");
    const bool other = WriteChangedFileBytes(m_dir / "keep.cfg", "other");
    const bool created = WriteChangedFileBytes(m_dir / "new.cfg", "new");
    fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(same);
    EXPECT_FALSE(other);
    EXPECT_FALSE(created);
    EXPECT_EQ(ReadFileBytes(m_dir / "keep.cfg"), "same");
    EXPECT_EQ(EntriesIn(m_dir), 1);
}

} // namespace
} // namespace pagoranto
