#include "core/options/externalbrowser.h"
#include "core/options/externaltools.h"
#include "core/platform/commandlinearguments.h"
#include "tests/support/recordingshell.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pagoranto {
namespace {

using Kind = FileEntryStep::Kind;
using testing::RecordingShell;

TEST(LaunchToolTest, ParameterTextIsAnOpeningQuoteAndTheFile)
{
    EXPECT_EQ(LaunchToolParameters("/home/a b/index.html"), "\"/home/a b/index.html");
    EXPECT_EQ(LaunchToolParameters(""), "\"");
    // Split as the tool sees it: one argument, blanks and backslashes kept.
    const std::vector<std::string> plain{"/home/a b/index.html"};
    EXPECT_EQ(SplitCommandLineArguments(LaunchToolParameters("/home/a b/index.html")), plain);
    const std::vector<std::string> backslashed{"C:\\web pages\\x.htm"};
    EXPECT_EQ(SplitCommandLineArguments(LaunchToolParameters("C:\\web pages\\x.htm")), backslashed);
}

TEST(LaunchToolTest, FileWithDoubleQuotesArrivesWhole)
{
    for (const std::string file : {"/t/say \"hi\".html", "/t/a\\\"b.html", "/t/end\\\\\"x"}) {
        const std::vector<std::string> expected{file};
        EXPECT_EQ(SplitCommandLineArguments(LaunchToolParameters(file)), expected) << file;
    }
}

TEST(LaunchToolTest, StartsInTheThumbnailerFolder)
{
    testing::ScratchDirectory scratch;
    const std::string program = scratch.path().string() + "/";
    std::filesystem::create_directories(program + "thumbnailer");
    RecordingShell shell;
    EXPECT_TRUE(LaunchTool(shell, "/usr/bin/editor", "/p/layouts/index.html", program));
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].program, "/usr/bin/editor");
    EXPECT_EQ(shell.starts[0].parameters, "\"/p/layouts/index.html");
    EXPECT_EQ(shell.starts[0].workingDirectory, program + "thumbnailer");
    EXPECT_EQ(ToolWorkingDirectory("/opt/pagoranto/"), "/opt/pagoranto/thumbnailer");

    // A missing folder does not keep the tool from starting.
    std::filesystem::remove(program + "thumbnailer");
    EXPECT_TRUE(LaunchTool(shell, "/usr/bin/editor", "/p/x.html", program));
    ASSERT_EQ(shell.starts.size(), 2u);
    EXPECT_TRUE(shell.starts[1].workingDirectory.empty());
}

TEST(LaunchToolTest, ToolWithoutFileGetsNoEmptyArgumentAndUnconfiguredStartsNothing)
{
    RecordingShell shell;
    EXPECT_TRUE(LaunchTool(shell, "/usr/bin/paint", "", "/p/"));
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].parameters, "");
    EXPECT_FALSE(LaunchTool(shell, "", "/p/x.html", "/p/"));
    EXPECT_EQ(shell.starts.size(), 1u);
}

TEST(ToolCaptionTest, FileNamePartOrQuestionMark)
{
    EXPECT_EQ(ToolCaption("/usr/bin/bluefish"), "bluefish");
    EXPECT_EQ(ToolCaption("C:\\Programs\\edit.exe"), "edit.exe");
    EXPECT_EQ(ToolCaption("gimp"), "gimp");
    EXPECT_EQ(ToolCaption(""), "?");
    EXPECT_EQ(ToolCaption("   "), "?");
    EXPECT_EQ(ToolCaption("/usr/bin/"), "?");
    EXPECT_EQ(TrimToolPath("  /usr/bin/a b  "), "/usr/bin/a b");
    EXPECT_EQ(TrimToolPath("    "), "");
}

TEST(ToolCaptionTest, WebToolNeedsCaptionAndTemplate)
{
    EXPECT_TRUE(CanLaunchWebTool("bluefish", "/l/index.html"));
    EXPECT_FALSE(CanLaunchWebTool("?", "/l/index.html"));
    EXPECT_FALSE(CanLaunchWebTool("bluefish", ""));
}

struct EntryRow {
    const char *name;
    FileEntry entry;
    BrowserStart choice;
    const char *templatePath;
    Kind kind;
    const char *fileOrText;
};

TEST(FileEntryTest, BrowserChoiceAndTemplateRules)
{
    const EntryRow rows[] = {
        {"FullTemplateNoneSelectedFirst", FileEntry::fullTemplate, BrowserStart::none, "",
         Kind::message, "There's no template to show !"},
        {"FullTemplateNoBrowser", FileEntry::fullTemplate, BrowserStart::none, "/l/a.html",
         Kind::message, "Please select a browser."},
        {"FullTemplate", FileEntry::fullTemplate, BrowserStart::netscape, "/l/a.html",
         Kind::externalBrowser, "/l/a.html"},
        {"InternalTemplateIgnoresChoice", FileEntry::templateInternal, BrowserStart::none,
         "/l/a.html", Kind::internalBrowser, "/l/a.html"},
        {"InternalTemplateNoneSelected", FileEntry::templateInternal, BrowserStart::defaultBrowser,
         "", Kind::nothing, ""},
        {"AllLayoutsNoBrowser", FileEntry::allLayouts, BrowserStart::none, "", Kind::message,
         "Please select a browser."},
        {"AllLayouts", FileEntry::allLayouts, BrowserStart::defaultBrowser, "",
         Kind::externalBrowser, "/p/Start.htm"},
        {"EnglishFrame", FileEntry::englishFrame, BrowserStart::iexplore, "", Kind::externalBrowser,
         "/p/document/frameenglisch.html"},
        {"GermanFrame", FileEntry::germanFrame, BrowserStart::iexplore, "", Kind::externalBrowser,
         "/p/document/framedeutsch.html"},
        {"EnglishCommands", FileEntry::englishCommands, BrowserStart::defaultBrowser, "",
         Kind::externalBrowser, "/p/document/commandse.html"},
        {"GermanCommands", FileEntry::germanCommands, BrowserStart::defaultBrowser, "",
         Kind::externalBrowser, "/p/document/commands.html"},
        {"EnglishFaq", FileEntry::englishFaq, BrowserStart::defaultBrowser, "",
         Kind::externalBrowser, "/p/document/faqeng.html"},
        {"GermanFaqNoBrowser", FileEntry::germanFaq, BrowserStart::none, "", Kind::message,
         "Please select a browser."},
        {"EnglishHelpInternal", FileEntry::englishHelp, BrowserStart::none, "",
         Kind::internalBrowser, "/p/document/helpenglish.html"},
        {"GermanHelpInternal", FileEntry::germanHelp, BrowserStart::none, "", Kind::internalBrowser,
         "/p/document/hilfedeutsch.html"},
        {"ChangesThroughShell", FileEntry::changes, BrowserStart::none, "", Kind::openDocument,
         "/p/changes.txt"},
    };
    for (const EntryRow &row : rows) {
        const FileEntryStep step =
            ChooseFileEntryStep(row.entry, row.choice, row.templatePath, "/p/");
        EXPECT_EQ(step.kind, row.kind) << row.name;
        if (row.kind == Kind::message) {
            EXPECT_EQ(step.title, "ERROR") << row.name;
            EXPECT_EQ(step.text, row.fileOrText) << row.name;
        } else {
            EXPECT_EQ(step.file, row.fileOrText) << row.name;
        }
    }
}

} // namespace
} // namespace pagoranto
