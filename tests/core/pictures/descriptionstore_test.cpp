#include "core/pictures/descriptionstore.h"
#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(DescriptionField, SplitsAtBars)
{
    EXPECT_EQ(DescriptionField("a.jpg|one|two", 1), "a.jpg");
    EXPECT_EQ(DescriptionField("a.jpg|one|two", 3), "two");
    EXPECT_EQ(DescriptionField("a.jpg|one|two", 4), "");
    EXPECT_EQ(DescriptionField("a.jpg||two", 2), "");
    EXPECT_EQ(DescriptionField("a.jpg|one|", 3), "");
}

TEST(DescriptionStore, StoresMemoLinesTrimmedAndLeavesOutEmptyOnes)
{
    DescriptionStore store;
    store.StoreDescription("IMG_0042.jpg", {"  Harbour at dawn ", "", "Taken from the pier"});
    store.StoreDescription("b.jpg", {"only", ""});
    store.StoreDescription("c.jpg", {});
    store.StoreDescription("d.jpg", {"first", "   ", "hidden"});
    EXPECT_EQ(store.lines(), (ByteLines{"IMG_0042.jpg|Harbour at dawn|Taken from the pier",
                                        "b.jpg|only|", "c.jpg|", "d.jpg|first||hidden"}));
    store.StoreDescription("img_0042.JPG", {"replaced"});
    EXPECT_EQ(store.lines().front(), "img_0042.JPG|replaced");
    EXPECT_EQ(store.lines().size(), 4u);
}

TEST(DescriptionStore, LookupsEscapeJoinAndStopAtTheFirstEmptyField)
{
    DescriptionStore store;
    store.SetLines({"img_0042.jpg|Harbour at dawn|Taken from the pier", "salt.jpg|Salt & Pepper|",
                    "gross.jpg|Gr\xC3\xB6\xC3\x9F"
                    "e",
                    "stop.jpg|first||hidden", "salt.jpg|second match ignored"});
    EXPECT_EQ(store.LookupDescription("IMG_0042.JPG"), "Harbour at dawn<br>Taken from the pier");
    EXPECT_EQ(store.LookupDescriptionFirstLine("IMG_0042.JPG"), "Harbour at dawn");
    EXPECT_EQ(store.LookupDescription("salt.jpg"), "Salt &amp; Pepper");
    EXPECT_EQ(store.LookupDescription("gross.jpg"), "Gr&ouml;&szlig;e");
    EXPECT_EQ(store.LookupDescription("stop.jpg"), "first");
    EXPECT_EQ(store.DescriptionLines("stop.jpg"), ByteLines{"first"});
    EXPECT_EQ(store.LookupDescription("none.jpg"), "");
    EXPECT_EQ(store.LookupDescriptionFirstLine("none.jpg"), "");

    // Lookups after every kind of change see the lines as they are now.
    store.StoreDescription("none.jpg", {"now described"});
    store.StoreDescription("SALT.JPG", {"replaced"});
    EXPECT_EQ(store.LookupDescription("none.jpg"), "now described");
    EXPECT_EQ(store.LookupDescription("salt.jpg"), "replaced");
    store.SetLines({"other.jpg|other"});
    EXPECT_EQ(store.LookupDescription("salt.jpg"), "");
    EXPECT_EQ(store.LookupDescription("OTHER.jpg"), "other");
}

TEST(DescriptionStore, NamesMatchWithoutCaseUmlautsIncluded)
{
    DescriptionStore store;
    // Written on Windows: the name in Windows-1252 bytes.
    store.SetLines({"\xC4rger.JPG|old quarrel", "\xC3\xB6L.jpg|oil"});
    EXPECT_EQ(store.LookupDescription("\xC3\xA4rger.jpg"), "old quarrel");
    EXPECT_EQ(store.LookupDescription("\xE4RGER.jpg"), "old quarrel");
    EXPECT_EQ(store.LookupDescriptionFirstLine("\xC3\x96l.JPG"), "oil");
    EXPECT_EQ(store.LookupDescription("oel.jpg"), "");

    // Storing under another case of the name replaces the line instead of adding one.
    store.StoreDescription("\xC3\x84RGER.jpg", {"made up"});
    EXPECT_EQ(store.lines().size(), 2u);
    EXPECT_EQ(store.LookupDescription("\xC3\xA4rger.jpg"), "made up");
}

TEST(DescriptionStore, FailedLoadKeepsTheStore)
{
    const testing::ScratchDirectory dir;
    const auto file = dir.file("pagoranto-descriptions.desc");
    DescriptionStore store;
    store.SetLines({"a.jpg|kept"});
    EXPECT_FALSE(store.Load(file.string() + ".missing"));
    EXPECT_EQ(store.lines(), ByteLines{"a.jpg|kept"});
    ASSERT_TRUE(store.Save(file));
    DescriptionStore reloaded;
    EXPECT_TRUE(reloaded.Load(file));
    EXPECT_EQ(reloaded.lines(), store.lines());
}

TEST(DescriptionStore, EditedDescriptionsKeepTheFilesEncoding)
{
    const testing::ScratchDirectory dir;
    const auto file = dir.file("description.desc");
    const std::string windows1252 = "a.jpg|Gr\xFC\xDF"
                                    "e aus K\xF6ln|\x84zitiert\x93 \x80\r\n"
                                    "b.jpg|Stra\xDF"
                                    "e\r\n";
    ASSERT_TRUE(WriteFileBytes(file, windows1252));
    DescriptionStore store;
    ASSERT_TRUE(store.Load(file));
    EXPECT_EQ(store.encoding(), FileEncoding::windows1252);

    // The window edits UTF-8 text: unchanged, it is stored as the bytes it was read as.
    ByteLines memo;
    for (const std::string &line : store.DescriptionLines("a.jpg"))
        memo.push_back(DecodeText(line, store.encoding()));
    EXPECT_EQ(store.UnheldCharacters(memo), "");
    store.StoreDescription("a.jpg", memo);
    store.StoreDescription("c.jpg", {"Br\xC3\xBC"
                                     "cke \xE2\x80\x93 neu"});
    ASSERT_TRUE(store.Save(file));
    EXPECT_EQ(ReadFileBytes(file), windows1252 + "c.jpg|Br\xFC"
                                                 "cke \x96 neu\r\n");
    EXPECT_EQ(store.LookupDescription("c.jpg"), "Br&uuml;cke \x96 neu");
}

TEST(DescriptionStore, CharactersBeyondWindows1252NeedTheWholeFileAsUtf8)
{
    DescriptionStore store;
    store.SetLines({"a.jpg|K\xF6ln"});
    const ByteLines memo = {"\xCE\xA9mega", "\xCE\xA9 and \xE2\x86\x92"};
    EXPECT_EQ(store.UnheldCharacters(memo), "\xCE\xA9\xE2\x86\x92");

    store.ConvertToUtf8();
    EXPECT_EQ(store.encoding(), FileEncoding::utf8);
    EXPECT_EQ(store.UnheldCharacters(memo), "");
    store.StoreDescription("b.jpg", memo);
    EXPECT_EQ(store.lines(),
              (ByteLines{"a.jpg|K\xC3\xB6ln", "b.jpg|\xCE\xA9mega|\xCE\xA9 and \xE2\x86\x92"}));

    DescriptionStore utf8;
    utf8.SetLines({"a.jpg|K\xC3\xB6ln"});
    EXPECT_EQ(utf8.encoding(), FileEncoding::utf8);
    EXPECT_EQ(utf8.UnheldCharacters(memo), "");
}

} // namespace
} // namespace pagoranto
