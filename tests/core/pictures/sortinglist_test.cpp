#include "core/pictures/sortinglist.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

using Names = std::vector<std::string>;

class SortingListTest : public testing::ScratchDirectoryTest {};

TEST_F(SortingListTest, SavedOrderLoadsBackAsItWas)
{
    ASSERT_TRUE(SaveSortingList(file("order.qvlist"), {"a.jpg", "c.JPG", "b.jpg"}));
    EXPECT_EQ(readBytes("order.qvlist"), "a.jpg\r\nc.JPG\r\nb.jpg\r\n");
    const SortingListResult list = LoadSortingList(file("order.qvlist"));
    EXPECT_TRUE(list.ok);
    EXPECT_TRUE(list.opened);
    EXPECT_EQ(list.names, (Names{"a.jpg", "c.JPG", "b.jpg"}));
    EXPECT_EQ(list.error, "");
}

TEST_F(SortingListTest, EveryLineIsAnEntryWhateverItNames)
{
    writeBytes("old.qvlist", "gone.jpg\r\nx..y.jpg\nlast.jpg");
    const SortingListResult list = LoadSortingList(file("old.qvlist"));
    EXPECT_TRUE(list.ok);
    EXPECT_EQ(list.names, (Names{"gone.jpg", "x..y.jpg", "last.jpg"}));
}

TEST_F(SortingListTest, EntriesThatNameNoFileAreRefused)
{
    writeBytes("odd.qvlist", std::string("a.jpg\r\n\r\n.\r\nnul\0.jpg\r\ntab\t.jpg\r\nb.jpg", 37));
    const SortingListResult list = LoadSortingList(file("odd.qvlist"));
    EXPECT_FALSE(list.ok);
    EXPECT_EQ(list.names, (Names{"a.jpg", "b.jpg"}));
    EXPECT_EQ(list.refused.size(), 4u);
    EXPECT_NE(list.error.find("\r(an empty line)\r.\rnul?.jpg\rtab?.jpg"), std::string::npos)
        << list.error;
}

TEST_F(SortingListTest, EntriesReachingOutsideThePictureDirectoryAreRefused)
{
    writeLines("bad.qvlist",
               {"a.jpg", "..\\secret.jpg", "sub/b.jpg", "..", "C:\\pics\\c.jpg", "d.jpg"});
    const SortingListResult list = LoadSortingList(file("bad.qvlist"));
    EXPECT_FALSE(list.ok);
    EXPECT_TRUE(list.opened);
    EXPECT_EQ(list.names, (Names{"a.jpg", "d.jpg"}));
    EXPECT_EQ(list.refused, (Names{"..\\secret.jpg", "sub/b.jpg", "..", "C:\\pics\\c.jpg"}));
    EXPECT_NE(list.error.find("outside the picture directory"), std::string::npos);
    EXPECT_NE(list.error.find("\rsub/b.jpg"), std::string::npos);
}

TEST_F(SortingListTest, UnreadableListSaysSo)
{
    const SortingListResult list = LoadSortingList(file("missing.qvlist"));
    EXPECT_FALSE(list.ok);
    EXPECT_FALSE(list.opened);
    EXPECT_TRUE(list.names.empty());
    EXPECT_EQ(list.error, "*ERROR* Unable to load sorting list\r"
                          "maybe you've selected a new picture directory !");
    EXPECT_FALSE(SaveSortingList(m_dir, {"a.jpg"}));
}

} // namespace
} // namespace pagoranto
