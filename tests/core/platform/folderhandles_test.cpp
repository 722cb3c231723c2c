#include "core/platform/folderhandles.h"
#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

// What a file found through its place holds: its size, or -1 when it is not found.
long long SizeAt(FolderHandles::Place place)
{
    struct stat status {};
    return ::fstatat(place.folder, place.name, &status, 0) == 0 ? status.st_size : -1;
}

TEST(FolderHandles, FindsEachFileByItsNameInItsFolderOpenedOnce)
{
    testing::ScratchDirectory scratch;
    fs::create_directory(scratch.path() / "thumbnails");
    const std::string picture = (scratch.path() / "a.jpg").string();
    const std::string other = (scratch.path() / "b.jpg").string();
    const std::string thumbnail = (scratch.path() / "thumbnails" / "a.jpg").string();
    ASSERT_TRUE(WriteFileBytes(picture, "12345"));
    ASSERT_TRUE(WriteFileBytes(other, "12"));
    ASSERT_TRUE(WriteFileBytes(thumbnail, "123"));

    FolderHandles folders;
    const FolderHandles::Place first = folders.Locate(picture);
    EXPECT_NE(first.folder, AT_FDCWD);
    EXPECT_STREQ(first.name, "a.jpg");
    EXPECT_EQ(folders.Locate(other).folder, first.folder);
    EXPECT_NE(folders.Locate(thumbnail).folder, first.folder);
    EXPECT_EQ(SizeAt(folders.Locate(picture)), 5);
    EXPECT_EQ(SizeAt(folders.Locate(other)), 2);
    EXPECT_EQ(SizeAt(folders.Locate(thumbnail)), 3);

    // Moved, the folders stay open for the new owner.
    FolderHandles moved = std::move(folders);
    EXPECT_EQ(SizeAt(moved.Locate(thumbnail)), 3);
}

TEST(FolderHandles, PathsWithoutAFileNameOrAFolderThatOpensStayWhole)
{
    testing::ScratchDirectory scratch;
    FolderHandles folders;
    const std::string scratchPath = scratch.path().string();
    const std::vector<std::string> paths = {"plain.jpg", scratchPath + "/", scratchPath + "/..",
                                            scratchPath + "/missing/a.jpg"};
    for (const std::string &path : paths) {
        const FolderHandles::Place place = folders.Locate(path);
        EXPECT_EQ(place.folder, AT_FDCWD) << path;
        EXPECT_EQ(place.name, path.c_str()) << path;
    }
    const FolderHandles::Place root = folders.Locate("/etc");
    EXPECT_NE(root.folder, AT_FDCWD);
    EXPECT_STREQ(root.name, "etc");
}

TEST(FolderHandles, KeepsAFewFoldersOpenAndReachesTheRestByWholePaths)
{
    testing::ScratchDirectory scratch;
    FolderHandles folders;
    int opened = 0;
    for (int i = 0; i < 40; ++i) {
        const fs::path folder = scratch.path() / std::to_string(i);
        fs::create_directory(folder);
        const std::string file = (folder / "page.html").string();
        ASSERT_TRUE(WriteFileBytes(file, std::string(static_cast<std::size_t>(i), 'x')));
        const FolderHandles::Place place = folders.Locate(file);
        opened += place.folder != AT_FDCWD;
        EXPECT_EQ(SizeAt(place), i);
    }
    EXPECT_GT(opened, 0);
    EXPECT_LT(opened, 40);
}

} // namespace
} // namespace pagoranto
