#include "core/generator/htmlcompressor.h"
#include "core/text/linefile.h"
#include "tests/support/recordingevents.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

using testing::RecordingEvents;

using Configure = std::function<void(THTMLCompressor &)>;

void MainWindow(THTMLCompressor &c)
{
    ApplyMainWindowOptions(c, false);
}
void MainWindowAllReturns(THTMLCompressor &c)
{
    ApplyMainWindowOptions(c, true);
}
void Defaults(THTMLCompressor &) {}

void NoOptions(THTMLCompressor &c)
{
    c.SimpleTags = c.Center = c.InvCommas = c.Spaces = false;
    c.Returns = c.AllReturns = c.Webbots = c.BlockquoteToUl = false;
}

Configure Only(bool THTMLCompressor::*option)
{
    return [option](THTMLCompressor &c) {
        NoOptions(c);
        c.*option = true;
    };
}

Configure OnlyWith(bool THTMLCompressor::*option, bool THTMLCompressor::*second)
{
    return [option, second](THTMLCompressor &c) {
        NoOptions(c);
        c.*option = true;
        c.*second = true;
    };
}

std::string Compress(std::string_view input, const Configure &configure)
{
    RecordingEvents events;
    THTMLCompressor compressor(events);
    configure(compressor);
    compressor.LoadFromBytes(input);
    compressor.Compress();
    return std::string(compressor.Bytes());
}

struct Row {
    const char *name;
    Configure configure;
    std::string input;
    std::string expected;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

class CompressorRows : public ::testing::TestWithParam<Row> {};

TEST_P(CompressorRows, Compresses)
{
    EXPECT_EQ(Compress(GetParam().input, GetParam().configure), GetParam().expected);
}

std::string RowName(const ::testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    WhiteSpace, CompressorRows,
    ::testing::Values(
        Row{"TwoSpaces", MainWindow, "a  b", "a b"},
        Row{"EightSpaces", MainWindow, "a        b", "a b"},
        Row{"SpaceBeforeTagEnd", MainWindow, "<td >x</td >", "<td>x</td>"},
        Row{"BlankBeforeUpperCaseTd", MainWindow, "<tr> <TD>x</TD>", "<tr><tD>x</TD>"},
        Row{"BlankBeforeClosingTags", MainWindow, "<b> </TD> <LI> </P>", "<b></tD><lI></p>"},
        Row{"BlankBeforeOtherTagStays", MainWindow, "<b> <i>", "<b> <i>"},
        Row{"PreKeepsSpacesAndBreaks", MainWindow, "<pre>a  b\r\r\rc</pre>  d",
            "<pre>a  b\r\r\rc</pre> d"},
        Row{"UpperCaseTextareaKeepsSpaces", MainWindow, "<TEXTAREA>x   y</TEXTAREA> z  z",
            "<TEXTAREA>x   y</TEXTAREA> z z"},
        Row{"ScriptKeepsSpacesButNotDoubledCr", MainWindow, "<script>a  b\r\r\rc</script>  d",
            "<script>a  b\rc</script> d"},
        Row{"SpacesOffKeepsThem", Only(&THTMLCompressor::Returns), "a  b", "a  b"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Tags, CompressorRows,
    ::testing::Values(
        Row{"UpperCaseStrong", MainWindow, "<STRONG>x</STRONG>", "<b>x</b>"},
        Row{"EmAndStrike", MainWindow, "<EM>x</Em> <STRIKE>y</strike>", "<i>x</i> <s>y</s>"},
        Row{"StrongInsidePre", MainWindow, "<pre><strong>a  b</strong></pre>",
            "<pre><b>a  b</b></pre>"},
        Row{"StrongInsideScriptStays", MainWindow, "<script>'<strong>'</script>",
            "<script>'<strong>'</script>"},
        Row{"StrongWithAttributeStays", MainWindow, "<strong class=x>", "<strong class=x>"},
        Row{"Blockquote", MainWindow, "<BLOCKQUOTE>q</blockquote>", "<ul>q</ul>"},
        Row{"BlockquoteOffByDefault", Defaults, "<blockquote>q</blockquote>",
            "<blockquote>q</blockquote>"},
        Row{"UpperCaseCentredParagraph", MainWindow, "<P ALIGN=CENTER>x</P>", "<center>x</center>"},
        Row{"QuotedCentredParagraph", MainWindow, "<p align=\"center\">x</p>",
            "<center>x</center>"},
        Row{"OnlyTheCentredParagraphsEnd", MainWindow, "<p align=center>a</p><p>b</p>",
            "<center>a</center><p>b</p>"},
        Row{"OpeningWhileSeekingEndStays", MainWindow,
            "</p><p align=center>a<p align=center>b</p>c</p>",
            "</p><center>a<p align=center>b</center>c</p>"},
        Row{"CentredParagraphWithoutEnd", MainWindow, "<p align=center>a", "<center>a"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, CompressorRows,
    ::testing::Values(
        Row{"ReturnsCollapseBareBreaks", MainWindow, "a\r\r\rb\n\nc", "a\rb\nc"},
        Row{"ReturnsFindNothingInCrLfPage", MainWindow, "a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"},
        Row{"WebbotGoesWithReturns", MainWindow, "a<!--webbot bot=\"x\" -->b\r\n", "ab\r\n"},
        Row{"WebbotGoesWithAllReturns",
            OnlyWith(&THTMLCompressor::AllReturns, &THTMLCompressor::Webbots), "a<!--WEBBOT x-->b",
            "ab"},
        Row{"WebbotStaysWithoutLineBreakOptions", Only(&THTMLCompressor::Webbots),
            "a<!--webbot x-->b", "a<!--webbot x-->b"},
        Row{"WebbotStaysWithWebbotsOff", Only(&THTMLCompressor::Returns), "a<!--webbot x-->b",
            "a<!--webbot x-->b"},
        Row{"WebbotWithoutEndStays", MainWindow, "a<!--webbot x", "a<!--webbot x"},
        Row{"AllReturnsKeepLfBetweenWords", MainWindowAllReturns, "word\r\nword", "word\nword"},
        Row{"AllReturnsRemoveCrLfBetweenTags", MainWindowAllReturns, "<b>\r\n<i>", "<b><i>"},
        Row{"AllReturnsRemoveCrLfAfterSpace", MainWindowAllReturns, "a \r\nb", "a b"},
        Row{"AllReturnsLeaveBreaksInsideTags", MainWindowAllReturns, "<a\r\nhref=x>",
            "<a\r\nhref=x>"},
        Row{"AllReturnsLeavePre", MainWindowAllReturns, "<b>\r\n<pre>\r\n</pre>",
            "<b><pre>\r\n</pre>"},
        Row{"AllReturnsLeaveScript", MainWindowAllReturns, "<script>\r\n</script>\r\n<b>",
            "<script>\r\n</script><b>"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    Unquote, CompressorRows,
    ::testing::Values(
        Row{"PlainAttribute", Only(&THTMLCompressor::InvCommas), "<A HREF=\"x.htm\">",
            "<A HREF=x.htm>"},
        Row{"ValueWithSpaceKept", Only(&THTMLCompressor::InvCommas),
            "<input value=\"a b\" name=\"q\">", "<input value=\"a b\" name=q>"},
        Row{"AltWithSpaceKept", Only(&THTMLCompressor::InvCommas),
            "<img alt=\"a b\" src=\"p.jpg\">", "<img alt=\"a b\" src=p.jpg>"},
        Row{"SingleQuoteLeavesTag", Only(&THTMLCompressor::InvCommas),
            "<a href=\"x\" onclick='y'><b class=\"c\">", "<a href=\"x\" onclick='y'><b class=c>"},
        Row{"CommentUntouched", Only(&THTMLCompressor::InvCommas), "<!-- \"q\" -->",
            "<!-- \"q\" -->"},
        Row{"TextOutsideTagsUntouched", Only(&THTMLCompressor::InvCommas), "say \"hi\"<b>",
            "say \"hi\"<b>"},
        Row{"ScriptUntouched", Only(&THTMLCompressor::InvCommas),
            "<script>a=\"<b class=\\\"x\\\">\";</SCRIPT><i class=\"y\">",
            "<script>a=\"<b class=\\\"x\\\">\";</SCRIPT><i class=y>"},
        // Unquoting these would change what the attributes mean.
        Row{"EmptyValueKept", Only(&THTMLCompressor::InvCommas), "<img alt=\"\" src=\"a.jpg\">",
            "<img alt=\"\" src=a.jpg>"},
        Row{"AnyValueWithSpaceKept", Only(&THTMLCompressor::InvCommas),
            "<a title=\"a b\" href=\"x\">", "<a title=\"a b\" href=x>"},
        Row{"ValueHoldingTagEndKept", Only(&THTMLCompressor::InvCommas),
            "<img alt=\"1>0\" src=\"a\">", "<img alt=\"1>0\" src=a>"},
        Row{"CentreAfterUnquote", Defaults, "<p align=\"center\">x</p>", "<center>x</center>"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    DamagedInput, CompressorRows,
    ::testing::Values(
        Row{"UnclosedPre", MainWindow, "a  b<pre>c  d\r\r", "a b<pre>c  d\r\r"},
        Row{"UnclosedTextarea", MainWindow, "a  b<textarea>c  d", "a b<textarea>c  d"},
        Row{"UnclosedScript", MainWindow, "a  b<script>c  d\r\r", "a b<script>c  d\r"},
        Row{"UnclosedValueQuote", Only(&THTMLCompressor::InvCommas),
            "<a href=\"x\"><input value=\"a b>rest", "<a href=x><input value=\"a b>rest"},
        Row{"UnclosedScriptWhileUnquoting", Only(&THTMLCompressor::InvCommas),
            "<a href=\"x\"><script>\"q\"", "<a href=x><script>\"q\""},
        Row{"UnclosedTag", Defaults, "a  <b class=\"x\"  \r\r", "a <b class=x \r\r"},
        Row{"LoneLessThanAtEnd", Defaults, "a<", "a<"}),
    RowName);

TEST(HtmlCompressor, ConstructorDefaults)
{
    RecordingEvents events;
    THTMLCompressor c(events);
    EXPECT_TRUE(c.SimpleTags && c.Center && c.InvCommas && c.Spaces && c.Returns && c.AllReturns &&
                c.Webbots);
    EXPECT_FALSE(c.BlockquoteToUl);
    EXPECT_EQ(c.LoadedSize(), 0);
    EXPECT_EQ(c.CompressedSize(), 0);
    EXPECT_FALSE(c.Compressed());
    EXPECT_FALSE(c.HasBuffer());

    ApplyMainWindowOptions(c, false);
    EXPECT_FALSE(c.InvCommas);
    EXPECT_FALSE(c.AllReturns);
    EXPECT_TRUE(c.BlockquoteToUl);
    ApplyMainWindowOptions(c, true);
    EXPECT_TRUE(c.AllReturns);
}

TEST(HtmlCompressor, SizesAndCompressingOncePerLoad)
{
    RecordingEvents events;
    THTMLCompressor c(events);
    c.LoadFromBytes("a  b");
    EXPECT_EQ(c.LoadedSize(), 4);
    EXPECT_EQ(c.CompressedSize(), 0);
    c.Compress();
    EXPECT_EQ(c.CompressedSize(), 3);
    EXPECT_TRUE(c.Compressed());
    c.LoadFromBytes("x");
    EXPECT_EQ(c.CompressedSize(), 0);
    EXPECT_FALSE(c.Compressed());

    c.LoadFromBytes("");
    c.Compress();
    EXPECT_FALSE(c.Compressed());
    EXPECT_EQ(c.Bytes(), "");
}

TEST(HtmlCompressor, SecondCompressChangesNothing)
{
    RecordingEvents events;
    THTMLCompressor c(events);
    c.LoadFromBytes("<p align=center>a</p>");
    c.Compress();
    const std::string once(c.Bytes());
    c.Compress();
    EXPECT_EQ(c.Bytes(), once);
}

TEST(HtmlCompressor, LetsMessagesThroughDuringPasses)
{
    RecordingEvents events;
    THTMLCompressor c(events);
    Only (&THTMLCompressor::Spaces)(c);
    c.LoadFromBytes("a  b");
    c.Compress();
    EXPECT_EQ(events.processed, 11) << "once after each space pass";

    events.processed = 0;
    Only (&THTMLCompressor::InvCommas)(c);
    c.LoadFromBytes("abcdef");
    c.Compress();
    EXPECT_EQ(events.processed, 6) << "at every position of the unquote pass";
}

TEST(HtmlCompressor, LargePagesCompressInOnePass)
{
    const std::string megabyte(1 << 20, ' ');
    EXPECT_EQ(Compress("a" + megabyte + "b", MainWindow), "a b");

    std::string breaks;
    for (int i = 0; i < 200000; ++i)
        breaks += "<td>\r\n  \r\r</td>\r\n";
    std::string expected;
    for (int i = 0; i < 200000; ++i)
        expected += "<td></td>";
    EXPECT_EQ(Compress(breaks, MainWindowAllReturns), expected);

    std::string paragraphs;
    for (int i = 0; i < 50000; ++i)
        paragraphs += "<P ALIGN=CENTER><STRONG>x</STRONG></P>";
    std::string centred;
    for (int i = 0; i < 50000; ++i)
        centred += "<center><b>x</b></center>";
    EXPECT_EQ(Compress(paragraphs, MainWindow), centred);
}

TEST(HtmlCompressor, LongLineWithoutTagEnd)
{
    const std::string line = "<a href=\"x\" " + std::string(100000, 'x') + "\r\r";
    // Line breaks inside an unclosed tag are never touched.
    EXPECT_EQ(Compress(line, Defaults), "<a href=x " + std::string(100000, 'x') + "\r\r");
    const std::string words(100000, 'w');
    EXPECT_EQ(Compress(words, MainWindowAllReturns), words);
}

class HtmlCompressorFiles : public ::testing::Test {
protected:
    testing::ScratchDirectory scratch;
    const std::filesystem::path dir = scratch.path();
    RecordingEvents events;
    THTMLCompressor compressor{events};
};

TEST_F(HtmlCompressorFiles, LoadCompressSave)
{
    ASSERT_TRUE(WriteFileBytes(dir / "p.htm", "<strong>a  b</strong>"));
    ASSERT_TRUE(compressor.LoadFromFile(dir / "p.htm"));
    EXPECT_EQ(compressor.LoadedSize(), 21);
    compressor.Compress();
    ASSERT_TRUE(compressor.SaveToFile(dir / "p.htm"));
    EXPECT_EQ(ReadFileBytes(dir / "p.htm"), "<b>a b</b>");
}

TEST_F(HtmlCompressorFiles, EmptyFileIsSavedEmpty)
{
    ASSERT_TRUE(WriteFileBytes(dir / "e.htm", ""));
    ASSERT_TRUE(compressor.LoadFromFile(dir / "e.htm"));
    compressor.Compress();
    EXPECT_FALSE(compressor.Compressed());
    EXPECT_TRUE(compressor.SaveToFile(dir / "out.htm"));
    EXPECT_EQ(ReadFileBytes(dir / "out.htm"), "");
}

TEST_F(HtmlCompressorFiles, UnreadableFileLeavesNoBuffer)
{
    compressor.LoadFromBytes("old");
    EXPECT_FALSE(compressor.LoadFromFile(dir / "missing.htm"));
    EXPECT_FALSE(compressor.LoadFromFile(dir));
    EXPECT_FALSE(compressor.HasBuffer());
    EXPECT_EQ(compressor.LoadedSize(), 0);
    EXPECT_FALSE(compressor.SaveToFile(dir / "out.htm"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out.htm"));
}

TEST_F(HtmlCompressorFiles, LoadedButUncompressedBufferIsSavedWhole)
{
    compressor.LoadFromBytes("a  b");
    ASSERT_TRUE(compressor.SaveToFile(dir / "out.htm"));
    EXPECT_EQ(ReadFileBytes(dir / "out.htm"), "a  b");
}

TEST_F(HtmlCompressorFiles, FailedSaveReportsFalse)
{
    compressor.LoadFromBytes("x");
    EXPECT_FALSE(compressor.SaveToFile(dir / "missing" / "out.htm"));
    EXPECT_FALSE(compressor.SaveToFile(dir));
}

} // namespace
} // namespace pagoranto
