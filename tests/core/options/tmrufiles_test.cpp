#include "core/options/tmrufiles.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

using Entries = std::vector<std::string>;

TEST(TMRUFiles, AddPutsTheTextInFrontAndKeepsOneEntryPerTextWithoutCase)
{
    TMRUFiles list;
    list.Add("/pics/a/");
    list.Add("/pics/b/");
    list.Add("");
    EXPECT_EQ(list.entries(), (Entries{"/pics/b/", "/pics/a/"}));
    list.Add("/PICS/A/");
    EXPECT_EQ(list.entries(), (Entries{"/PICS/A/", "/pics/b/"}));
    list.Add("/pics/b/");
    EXPECT_EQ(list.entries(), (Entries{"/pics/b/", "/PICS/A/"}));
}

TEST(TMRUFiles, AddKeepsAtMostMaxEntries)
{
    TMRUFiles list;
    EXPECT_EQ(list.MaxEntries(), 9);
    list.setMaxEntries(15);
    for (int i = 1; i <= 16; ++i)
        list.Add("entry" + std::to_string(i));
    ASSERT_EQ(list.entries().size(), 15u);
    EXPECT_EQ(list.entries().front(), "entry16");
    EXPECT_EQ(list.entries().back(), "entry2");

    // Re-adding a listed text does not push another one out.
    list.Add("ENTRY2");
    ASSERT_EQ(list.entries().size(), 15u);
    EXPECT_EQ(list.entries().back(), "entry3");

    list.setMaxEntries(15);
    EXPECT_EQ(list.entries().size(), 15u);
    list.setMaxEntries(4);
    EXPECT_EQ(list.entries(), (Entries{"ENTRY2", "entry16", "entry15", "entry14"}));
}

TEST(TMRUFiles, BoundOfZeroKeepsOnlyTheLatestText)
{
    TMRUFiles list;
    list.Add("a");
    list.setMaxEntries(0);
    EXPECT_TRUE(list.entries().empty());
    list.Add("b");
    list.Add("c");
    EXPECT_EQ(list.entries(), Entries{"c"});
}

TEST(TMRUFiles, MenuCaptionsCarryAnAcceleratorForTheFirstTen)
{
    TMRUFiles list;
    list.setMaxEntries(15);
    for (int i = 12; i >= 1; --i)
        list.Add("t" + std::to_string(i));
    const std::vector<MruMenuEntry> menu = list.menuEntries();
    ASSERT_EQ(menu.size(), 12u);
    EXPECT_EQ(menu[0].caption, "&1 t1");
    EXPECT_EQ(menu[8].caption, "&9 t9");
    EXPECT_EQ(menu[9].caption, "&10 t10");
    EXPECT_EQ(menu[10].caption, "  t11");
    EXPECT_EQ(menu[11].caption, "  t12");
    EXPECT_EQ(menu[11].hint, "Opens t12");
    EXPECT_EQ(list.entryAt(menu[10].tag), "t11");
    EXPECT_EQ(list.entryAt(99), "");

    list.setNumbered(false);
    EXPECT_EQ(list.menuEntries()[0].caption, "t1");
    EXPECT_TRUE(TMRUFiles{}.menuEntries().empty());
}

class TMRUFilesFileTest : public testing::ScratchDirectoryTest {};

TEST_F(TMRUFilesFileTest, SavedListLoadsBackAndLongFilesAreTrimmedByTheNextAdd)
{
    TMRUFiles saved;
    saved.Add("/a/");
    saved.Add("/b c/");
    ASSERT_TRUE(saved.SaveToFile(file("usedpaths.list")));
    EXPECT_EQ(readBytes("usedpaths.list"), "/b c/\r\n/a/\r\n");

    ByteLines twenty;
    for (int i = 0; i < 20; ++i)
        twenty.push_back("/dir" + std::to_string(i) + "/");
    writeLines("usedtemplates.list", twenty);
    TMRUFiles list;
    list.setMaxEntries(15);
    ASSERT_TRUE(list.LoadFromFile(file("usedtemplates.list")));
    EXPECT_EQ(list.entries().size(), 20u);
    list.Add("/new/");
    EXPECT_EQ(list.entries().size(), 15u);
    EXPECT_EQ(list.entries()[1], "/dir0/");

    EXPECT_FALSE(list.LoadFromFile(file("missing.list")));
    EXPECT_EQ(list.entries().size(), 15u);
    EXPECT_FALSE(list.SaveToFile(m_dir));
}

} // namespace
} // namespace pagoranto
