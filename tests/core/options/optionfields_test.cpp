#include "core/options/additionaloptionsfile.h"
#include "core/options/completeconfiguration.h"
#include "core/options/hiddenoptionsfile.h"
#include "core/options/navigationoptionsfile.h"
#include "core/options/thumbnailoptionsfile.h"
#include "core/options/websizeoptionsfile.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <string>

namespace pagoranto {
namespace {

class OptionFieldsTest : public testing::ScratchDirectoryTest {
protected:
    // The lines a writer gives, every value replaced by value.
    ByteLines everyValue(const ByteLines &written, const std::string &value) const
    {
        ByteLines lines{written.front()};
        for (std::size_t i = 1; i < written.size(); ++i)
            lines.push_back(written[i].substr(0, 5) + value);
        return lines;
    }

    // The same value under every key, read once from the four option files and once from a
    // complete configuration; both are saved again so that any difference shows.
    void expectSameDecoding(const std::string &value)
    {
        SCOPED_TRACE("value \"" + value.substr(0, 20) + "\"");
        CompleteConfiguration defaults;
        ThumbnailerFile thumbnailer;
        ASSERT_TRUE(SaveCompleteConfiguration(file("all.ccc"), defaults));
        ASSERT_TRUE(WriteAdditionalOptions(file("pgrooptions.cfg"), defaults.linkTexts,
                                           defaults.pageNames, defaults.additional));
        ASSERT_TRUE(WriteHiddenCommandOptions(file("hcoptions.cfg"), defaults.hidden));
        ASSERT_TRUE(WriteNavigationOptions(file("navoptions.cfg"), defaults.navigation));
        ASSERT_TRUE(WriteThumbnailerOptions(file("mtoptions.cfg"), thumbnailer));
        ASSERT_TRUE(WriteWebSizeOptions(file("websize.cfg"), defaults.webSize));
        for (const char *name : {"all.ccc", "pgrooptions.cfg", "hcoptions.cfg", "navoptions.cfg",
                                 "mtoptions.cfg", "websize.cfg"})
            writeLines(name, everyValue(readLines(name), value));

        CompleteConfiguration fromFiles;
        ASSERT_TRUE(ReadAdditionalOptions(file("pgrooptions.cfg"), fromFiles.linkTexts,
                                          fromFiles.pageNames, fromFiles.additional));
        ASSERT_TRUE(ReadHiddenCommandOptions(file("hcoptions.cfg"), fromFiles.hidden));
        ASSERT_TRUE(ReadNavigationOptions(file("navoptions.cfg"), fromFiles.navigation));
        ASSERT_TRUE(ReadThumbnailerOptions(file("mtoptions.cfg"), thumbnailer));
        fromFiles.thumbnails = thumbnailer.options;
        ASSERT_TRUE(ReadWebSizeOptions(file("websize.cfg"), fromFiles.webSize));
        CompleteConfiguration fromConfiguration;
        ASSERT_TRUE(LoadCompleteConfiguration(file("all.ccc"), fromConfiguration));

        ASSERT_TRUE(SaveCompleteConfiguration(file("files.ccc"), fromFiles));
        ASSERT_TRUE(SaveCompleteConfiguration(file("configuration.ccc"), fromConfiguration));
        EXPECT_EQ(readLines("configuration.ccc"), readLines("files.ccc"));
    }
};

// A complete configuration brings every key of four option files; a value must mean the
// same wherever it is read, or loading a configuration would give what the file would refuse.
TEST_F(OptionFieldsTest, CompleteConfigurationDecodesEveryKeyAsItsOwnFile)
{
    for (const std::string &value : std::initializer_list<std::string>{
             "", "0", "1", "2", "01", "x", "-3", "999999", "99999999999999999999", "../a b/\\",
             "Weiter =>", std::string(300, 'z'), std::string(60, '7')})
        expectSameDecoding(value);
}

TEST_F(OptionFieldsTest, ThumbnailDirectoryIsCleanedTheSameFromEveryFile)
{
    const struct {
        const char *name;
        const char *ddir;
        const char *thumbdir;
    } rows[] = {
        {"ParentDirectoryCannotBeReached", "../../etc/", "etc"},
        {"WindowsPathLosesItsSeparators", "C:\\gallery\\mini\\", "Cgallerymini"},
        {"NothingLeftIsNoFolder", "..\\", ""},
        {"EmptyIsNoFolder", "", ""},
        {"CutAtFortyCharacters", "0123456789012345678901234567890123456789xyz/",
         "0123456789012345678901234567890123456789"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(SaveCompleteConfiguration(file("all.ccc"), CompleteConfiguration{}));
        ByteLines lines = readLines("all.ccc");
        lines[22] = std::string("DDIR=") + row.ddir;
        writeLines("all.ccc", lines);
        CompleteConfiguration configuration;
        ASSERT_TRUE(LoadCompleteConfiguration(file("all.ccc"), configuration));
        EXPECT_EQ(configuration.thumbnails.thumbdir, row.thumbdir);

        ASSERT_TRUE(WriteThumbnailerOptions(file("mtoptions.cfg"), ThumbnailerFile{}));
        lines = readLines("mtoptions.cfg");
        lines[3] = std::string("DDIR=") + row.ddir;
        writeLines("mtoptions.cfg", lines);
        ThumbnailerFile thumbnailer;
        ASSERT_TRUE(ReadThumbnailerOptions(file("mtoptions.cfg"), thumbnailer));
        EXPECT_EQ(thumbnailer.options.thumbdir, row.thumbdir);
    }
}

TEST_F(OptionFieldsTest, FrameSwitchIsReadAsANumberFromEveryFile)
{
    const struct {
        const char *dddr;
        bool before;
        bool after;
    } rows[] = {
        {"1", false, true}, {"01", false, true}, {"0", true, false},
        {"2", true, true},  {"2", false, false}, {"x", true, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string("DDDR=") + row.dddr);
        ThumbnailerFile thumbnailer;
        ASSERT_TRUE(WriteThumbnailerOptions(file("mtoptions.cfg"), thumbnailer));
        ByteLines lines = readLines("mtoptions.cfg");
        lines[15] = std::string("DDDR=") + row.dddr;
        writeLines("mtoptions.cfg", lines);
        thumbnailer.options.Drei3d_check = row.before;
        ASSERT_TRUE(ReadThumbnailerOptions(file("mtoptions.cfg"), thumbnailer));
        EXPECT_EQ(thumbnailer.options.Drei3d_check, row.after);
    }
}

TEST_F(OptionFieldsTest, ForeignThumbnailerFileTakesNoDestinationOrFolder)
{
    // Under a foreign first line the keys before TIME take no line, so SDIR, PDIR and DDIR
    // can never be set from such a file, whatever stands on its lines.
    writeLines("mtoptions.cfg",
               {"[HIDDENCOMMANDS]", "SDIR=/etc/", "PDIR=..", "DDIR=../x/", "DIBB=7"});
    ThumbnailerFile thumbnailer;
    ASSERT_TRUE(ReadThumbnailerOptions(file("mtoptions.cfg"), thumbnailer));
    EXPECT_EQ(thumbnailer.destinationDir, "");
    EXPECT_EQ(thumbnailer.pictureRelPath, "");
    EXPECT_EQ(thumbnailer.options.thumbdir, "thumbnails");
    EXPECT_EQ(thumbnailer.options.ScrollBar6, 5); // the fourth line, taken as DIBB, is DDIR

    // Other files are refused as a whole under a foreign first line.
    writeLines("hcoptions.cfg", {"[PAGORANTOTHUMBNAILER]", "TIME=100", "ACTI=1", "COMM=x"});
    HiddenOptions hidden;
    EXPECT_FALSE(ReadHiddenCommandOptions(file("hcoptions.cfg"), hidden));
    EXPECT_EQ(hidden.hcomment, HiddenOptions{}.hcomment);
}

} // namespace
} // namespace pagoranto
