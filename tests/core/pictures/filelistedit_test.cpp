#include "core/pictures/filelistedit.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using Names = std::vector<std::string>;

TEST(EditFileListCandidates, ThumbnailsNotListedYetInThumbnailOrder)
{
    EXPECT_EQ(EditFileListCandidates({"z.jpg", "b.jpg", "A.jpg", "c.jpg"}, {"b.jpg", "a.jpg"}),
              (Names{"z.jpg", "A.jpg", "c.jpg"}));
    EXPECT_TRUE(EditFileListCandidates({"a.jpg"}, {"x.jpg", "a.jpg"}).empty());
    EXPECT_TRUE(EditFileListCandidates({}, {}).empty());
}

TEST(FileListEdit, RestStartsSortedAndNothingToAdd)
{
    const FileListEditLists lists = StartFileListEdit({"c.jpg", "A.jpg", "b.jpg"});
    EXPECT_EQ(lists.rest, (Names{"A.jpg", "b.jpg", "c.jpg"}));
    EXPECT_TRUE(lists.toAdd.empty());
    EXPECT_TRUE(lists.canAdd());
    EXPECT_FALSE(lists.canTakeBack());
}

TEST(FileListEdit, SelectedGoAcrossFromTheBottomUp)
{
    FileListEditLists lists = StartFileListEdit({"a", "b", "c", "d", "e"});
    MoveSelectedToAdd(lists, {1, 3, 3, 9, -1});
    EXPECT_EQ(lists.rest, (Names{"a", "c", "e"}));
    EXPECT_EQ(lists.toAdd, (Names{"d", "b"}));
    MoveSelectedToAdd(lists, {0});
    EXPECT_EQ(lists.toAdd, (Names{"d", "b", "a"}));
}

TEST(FileListEdit, AllGoAcrossInOrderAndComeBackSorted)
{
    FileListEditLists lists = StartFileListEdit({"b", "a", "c"});
    MoveSelectedToAdd(lists, {2});
    MoveAllToAdd(lists);
    EXPECT_EQ(lists.toAdd, (Names{"c", "a", "b"}));
    EXPECT_FALSE(lists.canAdd());
    EXPECT_TRUE(lists.canTakeBack());

    MoveSelectedBack(lists, {0});
    EXPECT_EQ(lists.rest, (Names{"c"}));
    EXPECT_EQ(lists.toAdd, (Names{"a", "b"}));
    MoveAllBack(lists);
    EXPECT_EQ(lists.rest, (Names{"a", "b", "c"}));
    EXPECT_TRUE(lists.toAdd.empty());
    EXPECT_FALSE(lists.canTakeBack());
}

} // namespace
} // namespace pagoranto
