#include "core/generator/directorylevels.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(IsRootDirectory, KnowsTheSlashAndUpperCaseDriveRoots)
{
    EXPECT_TRUE(IsRootDirectory("/"));
    EXPECT_TRUE(IsRootDirectory("C:\\"));
    EXPECT_FALSE(IsRootDirectory("c:\\"));
    EXPECT_FALSE(IsRootDirectory("/home/"));
    EXPECT_FALSE(IsRootDirectory(""));
}

TEST(LevelName, StripsComponentsFromTheEnd)
{
    EXPECT_EQ(LevelName("/home/ann/pics/", 1), "pics/");
    EXPECT_EQ(LevelName("/home/ann/pics/", 2), "ann/");
    EXPECT_EQ(LevelName("/home/ann/pics/", 3), "home/");
    EXPECT_EQ(LevelName("/home/ann/pics/", 4), "/");
    EXPECT_EQ(LevelName("/home/ann/pics/", 5), "");
    EXPECT_EQ(LevelName("C:\\photos\\2026\\", 2), "photos\\");
    EXPECT_EQ(LevelName("C:\\photos\\", 2), "C:\\");
}

TEST(ComputeDirectoryLevels, ChoosesTheDestinationAndThePicturePathFromIt)
{
    const DirectoryLevels one = ComputeDirectoryLevels("/home/ann/pics/", 1, "thumbnails");
    EXPECT_EQ(one.destinationDir, "/home/ann/pics/");
    EXPECT_EQ(one.pictureRelPath, "");
    EXPECT_EQ(one.thumbnailDirectory, "/home/ann/pics/thumbnails");
    EXPECT_EQ(one.enabled, (std::array<bool, 3>{true, true, true}));

    const DirectoryLevels three = ComputeDirectoryLevels("/home/ann/pics/", 3, "t");
    EXPECT_EQ(three.destinationDir, "/home/");
    EXPECT_EQ(three.pictureRelPath, "ann/pics/");

    // One level below the root: the second level is the root itself and cannot be chosen.
    const DirectoryLevels shallow = ComputeDirectoryLevels("/pics/", 2, "t");
    EXPECT_EQ(shallow.captions[1], "/");
    EXPECT_FALSE(shallow.enabled[1]);
    EXPECT_EQ(shallow.destinationDir, "/");
    EXPECT_TRUE(IsRootDirectory(shallow.destinationDir));
}

} // namespace
} // namespace pagoranto
