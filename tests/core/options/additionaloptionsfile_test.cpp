#include "core/options/additionaloptionsfile.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

using namespace std::string_literals;

class AdditionalOptionsFileTest : public testing::ScratchDirectoryTest {
protected:
    bool read() { return ReadAdditionalOptions(file("pgrooptions.cfg"), texts, names, options); }
    void writeEntries(const ByteLines &entries, std::string_view section = "ADDITIONALOPTIONS")
    {
        ByteLines lines{std::string(section)};
        lines.insert(lines.end(), entries.begin(), entries.end());
        writeLines("pgrooptions.cfg", lines);
    }

    LinkTexts texts;
    PageNameOptions names;
    AdditionalOptions options;
};

void ExpectDefaults(const LinkTexts &texts, const PageNameOptions &names,
                    const AdditionalOptions &options)
{
    const LinkTexts t;
    const PageNameOptions n;
    const AdditionalOptions o;
    EXPECT_EQ(texts.Next_label, t.Next_label);
    EXPECT_EQ(texts.previous_label, t.previous_label);
    EXPECT_EQ(texts.first_label, t.first_label);
    EXPECT_EQ(texts.Last_label, t.Last_label);
    EXPECT_EQ(texts.freetext, t.freetext);
    EXPECT_EQ(texts.homepage_label, t.homepage_label);
    EXPECT_EQ(texts.homepage_label_text, t.homepage_label_text);
    EXPECT_EQ(names.ownfilename, n.ownfilename);
    EXPECT_EQ(names.differentfilename, n.differentfilename);
    EXPECT_EQ(options.browserStart, o.browserStart);
    EXPECT_EQ(options.basesize, o.basesize);
    EXPECT_EQ(options.Edit1, o.Edit1);
    EXPECT_EQ(options.Edit2, o.Edit2);
    EXPECT_EQ(options.Edit3, o.Edit3);
    EXPECT_EQ(options.Edit4, o.Edit4);
}

TEST_F(AdditionalOptionsFileTest, DefaultsAreWrittenInFileOrder)
{
    ASSERT_TRUE(WriteAdditionalOptions(file("pgrooptions.cfg"), texts, names, options));
    EXPECT_EQ(readBytes("pgrooptions.cfg"),
              "ADDITIONALOPTIONS\r\nNEXT=Next\r\nPREV=Previous\r\nFIRS=First\r\nLAST=Last\r\n"
              "FREE=Free text\r\nBROW=3\r\nTHUS=1\r\nPAGN=page\r\nNEWO=Prename_\r\n"
              "ONEW=_Postname\r\nNEWN=NEW_\r\nNNEW=_NEW\r\nFPDI=index\r\n"
              "HOME=../index.html\r\nHOMT=Back to homepage\r\n");
}

TEST_F(AdditionalOptionsFileTest, WriteThenReadReproducesEveryField)
{
    LinkTexts savedTexts;
    savedTexts.Next_label = "Vor =>";
    savedTexts.previous_label = "<= Zur\xFC"
                                "ck";
    savedTexts.first_label = "Anfang";
    savedTexts.Last_label = "Ende";
    savedTexts.freetext = "<b>$count$ of $total$</b>";
    savedTexts.homepage_label = "page.html?a=b&c=$d";
    savedTexts.homepage_label_text = " Home ";
    PageNameOptions savedNames;
    savedNames.ownfilename = "album$nd$";
    savedNames.differentfilename = "start";
    AdditionalOptions saved;
    saved.browserStart = BrowserStart::netscape;
    saved.basesize = 2;
    saved.Edit1 = "a_";
    saved.Edit2 = "_b";
    saved.Edit3 = "c_";
    saved.Edit4 = "_d";
    ASSERT_TRUE(WriteAdditionalOptions(file("pgrooptions.cfg"), savedTexts, savedNames, saved));

    ASSERT_TRUE(read());
    EXPECT_EQ(texts.Next_label, savedTexts.Next_label);
    EXPECT_EQ(texts.previous_label, savedTexts.previous_label);
    EXPECT_EQ(texts.first_label, savedTexts.first_label);
    EXPECT_EQ(texts.Last_label, savedTexts.Last_label);
    EXPECT_EQ(texts.freetext, savedTexts.freetext);
    EXPECT_EQ(texts.homepage_label, savedTexts.homepage_label);
    EXPECT_EQ(texts.homepage_label_text, savedTexts.homepage_label_text);
    EXPECT_EQ(names.ownfilename, savedNames.ownfilename);
    EXPECT_EQ(names.differentfilename, savedNames.differentfilename);
    EXPECT_EQ(options.browserStart, saved.browserStart);
    EXPECT_EQ(options.basesize, saved.basesize);
    EXPECT_EQ(options.Edit1, saved.Edit1);
    EXPECT_EQ(options.Edit2, saved.Edit2);
    EXPECT_EQ(options.Edit3, saved.Edit3);
    EXPECT_EQ(options.Edit4, saved.Edit4);
}

TEST_F(AdditionalOptionsFileTest, DeletedSecondLineShiftsEveryLaterEntryOffItsLine)
{
    LinkTexts other;
    other.Next_label = "N";
    other.previous_label = "P";
    other.homepage_label_text = "H";
    AdditionalOptions otherOptions;
    otherOptions.browserStart = BrowserStart::none;
    ASSERT_TRUE(WriteAdditionalOptions(file("pgrooptions.cfg"), other, names, otherOptions));
    ByteLines lines = readLines("pgrooptions.cfg");
    lines.erase(lines.begin() + 1);
    writeLines("pgrooptions.cfg", lines);

    ASSERT_TRUE(read());
    ExpectDefaults(texts, names, options);
}

TEST_F(AdditionalOptionsFileTest, EachFileAcceptsOnlyItsOwnSectionLine)
{
    const struct {
        const char *name;
        const char *section;
        bool additionalAccepted;
        bool commandConfigAccepted;
    } rows[] = {
        {"plain", "ADDITIONALOPTIONS", true, false},
        {"bracketed", "[ADDITIONALOPTIONS]", false, true},
        {"lower case", "additionaloptions", false, false},
        {"trailing blank", "ADDITIONALOPTIONS ", false, false},
        {"leading blank", " [ADDITIONALOPTIONS]", false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeLines("file.cfg", {row.section, "NEXT=changed"});
        LinkTexts fromAdditional;
        EXPECT_EQ(ReadAdditionalOptions(file("file.cfg"), fromAdditional, names, options),
                  row.additionalAccepted);
        EXPECT_EQ(fromAdditional.Next_label, row.additionalAccepted ? "changed" : "Next");
        LinkTexts fromCommandConfig;
        EXPECT_EQ(LoadCommandConfigData(file("file.cfg"), fromCommandConfig),
                  row.commandConfigAccepted);
        EXPECT_EQ(fromCommandConfig.Next_label, row.commandConfigAccepted ? "changed" : "Next");
    }
}

TEST_F(AdditionalOptionsFileTest, BrowserAndBaseSizeLookOnlyAtTheFirstCharacter)
{
    const struct {
        const char *brow;
        BrowserStart browser;
        const char *thus;
        int basesize;
    } rows[] = {
        {"0", BrowserStart::none, "0", 0},       {"1", BrowserStart::iexplore, "2", 2},
        {"2", BrowserStart::netscape, "20", 2},  {"9", BrowserStart::netscape, "7", 2},
        {"x3", BrowserStart::netscape, "a1", 2}, {"", BrowserStart::netscape, "", 2},
        {" 3", BrowserStart::netscape, "-1", 2}, {"31", BrowserStart::defaultBrowser, "1", 1},
    };
    // Each row starts from the result of the row before, so an ignored value keeps it.
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string("BROW=") + row.brow + " THUS=" + row.thus);
        writeEntries({"NEXT=Next", "PREV=Previous", "FIRS=First", "LAST=Last", "FREE=Free text",
                      std::string("BROW=") + row.brow, std::string("THUS=") + row.thus});
        ASSERT_TRUE(read());
        EXPECT_EQ(options.browserStart, row.browser);
        EXPECT_EQ(options.basesize, row.basesize);
    }
}

TEST_F(AdditionalOptionsFileTest, ValuesAreTakenVerbatimAndEmptyValuesEmptyTheField)
{
    writeEntries({"NEXT=", "PREV= spaced = out ", "FIRS=$first$=$",
                  "LAST==", "FREE=<a href=\"x.html?a=b\">$freetext</a>"});
    ASSERT_TRUE(read());
    EXPECT_EQ(texts.Next_label, "");
    EXPECT_EQ(texts.previous_label, " spaced = out ");
    EXPECT_EQ(texts.first_label, "$first$=$");
    EXPECT_EQ(texts.Last_label, "=");
    EXPECT_EQ(texts.freetext, "<a href=\"x.html?a=b\">$freetext</a>");
}

TEST_F(AdditionalOptionsFileTest, TextsAreCutToTheirControlsMaximumLength)
{
    const std::string umlauts = [] {
        std::string text;
        for (int i = 0; i < 100; ++i)
            text += "\xC3\xA4"; // UTF-8 "ä"
        return text;
    }();
    writeEntries({"NEXT=" + std::string(100'000, 'n'), "PREV=" + umlauts,
                  "FIRS=" + std::string(100, '\xE4'), "LAST=x", "FREE=" + std::string(300, 'f'),
                  "BROW=3", "THUS=1", "PAGN=" + std::string(81, 'p'),
                  "NEWO=" + std::string(21, 'o')});
    ASSERT_TRUE(read());
    EXPECT_EQ(texts.Next_label, std::string(80, 'n'));
    EXPECT_EQ(texts.previous_label, umlauts.substr(0, 160)); // 80 characters, none split
    EXPECT_EQ(texts.first_label, std::string(80, '\xE4'));   // Windows-1252 bytes
    EXPECT_EQ(texts.freetext, std::string(200, 'f'));
    EXPECT_EQ(names.ownfilename, std::string(80, 'p'));
    EXPECT_EQ(options.Edit1, std::string(20, 'o'));
}

TEST_F(AdditionalOptionsFileTest, GarbageIsReadWithoutHarm)
{
    std::string binary = "ADDITIONALOPTIONS\r\nNEXT=";
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>(i == '\n' || i == '\r' ? 'x' : i);
    binary += "\r\n\xFF\xFE\x00\x01garbage\r\nFIRS\r\nLAST=\r\n\n\n"s;
    binary += std::string(100'000, '\xF0');
    writeBytes("pgrooptions.cfg", binary);
    ASSERT_TRUE(read());
    EXPECT_EQ(texts.Next_label.size(), 80u);
    EXPECT_EQ(texts.previous_label, "Previous");
    EXPECT_EQ(texts.first_label, "First");
    EXPECT_EQ(texts.Last_label, "");

    writeBytes("pgrooptions.cfg", "\x00\x01\x02"
                                  "ADDITIONALOPTIONS\r\nNEXT=x"s);
    texts = {};
    EXPECT_FALSE(read());
    ExpectDefaults(texts, names, options);
}

TEST_F(AdditionalOptionsFileTest, MissingFileOrFailedWriteChangesNothing)
{
    texts.Next_label = "kept";
    EXPECT_FALSE(read());
    EXPECT_EQ(texts.Next_label, "kept");

    ASSERT_TRUE(WriteAdditionalOptions(file("pgrooptions.cfg"), texts, names, options));
    const std::string before = readBytes("pgrooptions.cfg");
    EXPECT_FALSE(
        WriteAdditionalOptions(m_dir / "missing" / "pgrooptions.cfg", texts, names, options));
    EXPECT_FALSE(WriteAdditionalOptions(m_dir, texts, names, options));
    EXPECT_EQ(readBytes("pgrooptions.cfg"), before);
}

TEST_F(AdditionalOptionsFileTest, CommandConfigDataHoldsOnlyTheLinkTexts)
{
    LinkTexts saved;
    saved.Next_label = "n";
    saved.previous_label = "p";
    saved.first_label = "f";
    saved.Last_label = "l";
    saved.freetext = "free=$x$";
    saved.homepage_label = "h.html";
    saved.homepage_label_text = "home";
    ASSERT_TRUE(SaveCommandConfigData(file("links.ccd"), saved));
    EXPECT_EQ(readBytes("links.ccd"), "[ADDITIONALOPTIONS]\r\nNEXT=n\r\nPREV=p\r\nFIRS=f\r\n"
                                      "LAST=l\r\nFREE=free=$x$\r\nHOME=h.html\r\nHOMT=home\r\n");
    ASSERT_TRUE(LoadCommandConfigData(file("links.ccd"), texts));
    EXPECT_EQ(texts.Next_label, "n");
    EXPECT_EQ(texts.previous_label, "p");
    EXPECT_EQ(texts.first_label, "f");
    EXPECT_EQ(texts.Last_label, "l");
    EXPECT_EQ(texts.freetext, "free=$x$");
    EXPECT_EQ(texts.homepage_label, "h.html");
    EXPECT_EQ(texts.homepage_label_text, "home");
}

} // namespace
} // namespace pagoranto
