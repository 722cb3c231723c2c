#include "core/pictures/filemask.h"
#include "core/pictures/listedfiledeletion.h"
#include "core/pictures/marklistedpictures.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/scopedvariable.h"
#include "tests/support/secondfilesystemtrash.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(JpgFileMask, ReplacesOrAppendsTheExtension)
{
    EXPECT_EQ(JpgFileMask("holiday*"), "holiday*.jpg");
    EXPECT_EQ(JpgFileMask("*.jpeg"), "*.jpg");
    EXPECT_EQ(JpgFileMask("*.*"), "*.jpg");
    EXPECT_EQ(JpgFileMask("img.2004.*"), "img.2004.jpg");
    EXPECT_EQ(JpgFileMask(""), ".jpg");
    // A dot in a folder part is no extension.
    EXPECT_EQ(JpgFileMask("trip.2004/day*"), "trip.2004/day*.jpg");
}

struct MaskRow {
    const char *name;
    const char *file;
    const char *mask;
    bool matches;
};

class FileMask : public ::testing::TestWithParam<MaskRow> {};

TEST_P(FileMask, Matches)
{
    EXPECT_EQ(MatchesFileMask(GetParam().file, GetParam().mask), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FileMask,
    ::testing::Values(MaskRow{"upper_case_extension", "IMG_0001.JPG", "*.jpg", true},
                      MaskRow{"jpeg_is_not_jpg", "a.jpeg", "*.jpg", false},
                      MaskRow{"jpg_suffix_must_end", "a.jpg.bak", "*.jpg", false},
                      MaskRow{"prefix", "Holiday-01.jpg", "holiday*.jpg", true},
                      MaskRow{"other_prefix", "work-01.jpg", "holiday*.jpg", false},
                      MaskRow{"question_one_char", "a1.jpg", "a?.jpg", true},
                      MaskRow{"question_not_zero", "a.jpg", "a?.jpg", false},
                      MaskRow{"star_in_extension", "page.htm", "*.htm*", true},
                      MaskRow{"star_in_extension_long", "page.HTML", "*.htm*", true},
                      MaskRow{"star_matches_empty", ".jpg", "*.jpg", true},
                      MaskRow{"backtracking", "a.b.jpg.jpg", "*.jpg", true},
                      MaskRow{"list_of_masks", "x.jpeg", "*.jpg;*.jpeg", true},
                      MaskRow{"empty_mask", "x.jpg", "", false},
                      MaskRow{"many_stars", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*c",
                              false}),
    [](const auto &row) { return std::string(row.param.name); });

using ListingTest = testing::ScratchDirectoryTest;

TEST_F(ListingTest, ListsMatchingFilesAlphabeticallyWithoutCase)
{
    for (const char *name : {"b.jpg", "A.JPG", "c.jpeg", "a.html", "C.jpg"})
        Write(name, "x");
    std::filesystem::create_directory(m_dir / "folder.jpg");
    EXPECT_EQ(ListFilesMatching(m_dir.string(), "*.jpg"),
              (std::vector<std::string>{"A.JPG", "b.jpg", "C.jpg"}));
    EXPECT_EQ(ListFilesMatching(m_dir.string(), "*.html"), (std::vector<std::string>{"a.html"}));
    EXPECT_TRUE(ListFilesMatching((m_dir / "missing").string(), "*.jpg").empty());

    // A link is listed as what it leads to.
    std::filesystem::create_symlink(m_dir / "b.jpg", m_dir / "d.jpg");
    std::filesystem::create_directory_symlink(m_dir / "folder.jpg", m_dir / "e.jpg");
    std::filesystem::create_symlink(m_dir / "nowhere.jpg", m_dir / "f.jpg");
    EXPECT_EQ(ListFilesMatching(m_dir.string(), "*.jpg"),
              (std::vector<std::string>{"A.JPG", "b.jpg", "C.jpg", "d.jpg"}));
}

class DeletionTest : public testing::ScratchDirectoryTest {
protected:
    std::filesystem::path trash() const { return m_dir / "data" / "Trash"; }

    testing::ScopedVariable m_dataHome{"XDG_DATA_HOME", (m_dir / "data").string()};
};

TEST_F(DeletionTest, TrashesOnlyTheExtensionAndCountsNames)
{
    std::vector<std::string> names;
    for (int i = 0; i < 23; ++i)
        names.push_back("p" + std::to_string(100 + i) + (i % 2 ? ".JPG" : ".jpg"));
    names.push_back("keep.jpeg");
    for (const std::string &name : names)
        Write(name, "x");
    std::vector<std::string> progress;
    const ListedDeletionResult result =
        DeleteListedFiles(m_dir.string(), names, deletableJpgExtension,
                          [&](const std::string &text) { progress.push_back(text); });
    EXPECT_EQ(result.namesVisited, 24);
    EXPECT_EQ(result.trashed, 23);
    EXPECT_TRUE(result.withoutTrash.empty());
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(progress, (std::vector<std::string>{"Deleted 1 files", "Deleted 11 files",
                                                  "Deleted 21 files"}));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "keep.jpeg"));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "p100.jpg"));
    EXPECT_TRUE(std::filesystem::exists(trash() / "files" / "p101.JPG"));
    EXPECT_TRUE(std::filesystem::exists(trash() / "info" / "p101.JPG.trashinfo"));
}

TEST_F(DeletionTest, NamesWhatCouldNotGoToTheTrash)
{
    // A trash that is no folder cannot take anything.
    std::filesystem::create_directories(m_dir / "data");
    Write("data/Trash", "not a folder");
    Write("a.jpg", "x");
    const ListedDeletionResult result =
        DeleteListedFiles(m_dir.string(), {"a.jpg"}, deletableJpgExtension, nullptr);
    EXPECT_EQ(result.trashed, 0);
    EXPECT_EQ(result.failed, (std::vector<std::string>{"a.jpg"}));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "a.jpg"));
}

TEST_F(DeletionTest, FilesWithoutATrashAreDeletedPermanentlyOnlyWhenAsked)
{
    testing::SecondFileSystemTrash second;
    if (!second.usable())
        GTEST_SKIP() << "no second writable file system with free trash folders at /dev/shm";
    const testing::ScratchDirectory photos(second.top(), "pagoranto-trash-");
    // A trash folder that is a link is not ours to use.
    std::filesystem::create_directory_symlink(m_dir, second.userTrash());
    for (const char *name : {"a.jpg", "b.jpg", "c.jpeg"})
        ASSERT_TRUE(WriteFileBytes(photos.file(name), "x"));
    const std::vector<std::string> names{"a.jpg", "b.jpg", "c.jpeg"};
    const ListedDeletionResult result =
        DeleteListedFiles(photos.path().string(), names, deletableJpgExtension, nullptr);
    EXPECT_EQ(result.trashed, 0);
    EXPECT_EQ(result.withoutTrash, (std::vector<std::string>{"a.jpg", "b.jpg"}));
    EXPECT_TRUE(std::filesystem::exists(photos.file("a.jpg")));

    EXPECT_EQ(
        DeleteFilesPermanently(photos.path().string(), {"a.jpg", "../outside.jpg", "missing.jpg"}),
        1);
    EXPECT_FALSE(std::filesystem::exists(photos.file("a.jpg")));
    EXPECT_TRUE(std::filesystem::exists(photos.file("b.jpg")));
    EXPECT_TRUE(std::filesystem::exists(photos.file("c.jpeg")));
}

TEST_F(DeletionTest, NeverReachesOutsideTheDirectoryOrIntoFolders)
{
    std::filesystem::create_directories(m_dir / "inner" / "sub.jpg");
    const std::filesystem::path outside = Write("outside.jpg", "x");
    const std::vector<std::string> names{"../outside.jpg", "sub.jpg", "missing.jpg", ".."};
    const ListedDeletionResult result =
        DeleteListedFiles((m_dir / "inner").string(), names, deletableJpgExtension, nullptr);
    EXPECT_EQ(result.trashed, 0);
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(result.namesVisited, 4);
    EXPECT_TRUE(std::filesystem::exists(outside));
    EXPECT_TRUE(std::filesystem::is_directory(m_dir / "inner" / "sub.jpg"));
}

TEST(HasUpperCaseExtension, ComparesTheLastExtension)
{
    EXPECT_TRUE(HasUpperCaseExtension("index.Html", deletableHtmlExtension));
    EXPECT_FALSE(HasUpperCaseExtension("index.htm", deletableHtmlExtension));
    EXPECT_FALSE(HasUpperCaseExtension("photo.jpg.txt", deletableJpgExtension));
    EXPECT_FALSE(HasUpperCaseExtension("jpg", deletableJpgExtension));
}

TEST(MarkListedPictures, TicksCaptionsListedInAnyLetterCase)
{
    const std::vector<std::string> captions{"IMG_0001.JPG", "img_0002.jpg", "Img_0003.jpg"};
    EXPECT_EQ(MarkListedPictures(captions, {"img_0001.jpg", "IMG_0003.JPG", "other.jpg", ""}),
              (std::vector<bool>{true, false, true}));
    EXPECT_EQ(MarkListedPictures(captions, {}), (std::vector<bool>{false, false, false}));
    // Only a..z fold: a list line must not match by a blank or a near name.
    EXPECT_EQ(MarkListedPictures({"a.jpg"}, {" a.jpg", "a.jpg "}), (std::vector<bool>{false}));
}

} // namespace
} // namespace pagoranto
