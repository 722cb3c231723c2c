#include "core/options/externalbrowser.h"
#include "core/platform/commandlinearguments.h"
#include "tests/support/recordingshell.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;
using testing::RecordingShell;

class ExternalBrowserTest : public ::testing::Test {
protected:
    // Each row of a table test calls SetUp again for an empty directory of its own.
    void SetUp() override
    {
        scratch = testing::ScratchDirectory();
        dir = scratch.path();
        fs::create_directories(dir / "first");
        fs::create_directories(dir / "second");
        searchPath = (dir / "first").string() + ":" + (dir / "second").string();
    }

    void Install(const std::string &folder, const std::string &program)
    {
        const fs::path file = dir / folder / program;
        std::ofstream(file) << "#!/bin/sh\n";
        fs::permissions(file, fs::perms::owner_all);
    }

    testing::ScratchDirectory scratch;
    fs::path dir;
    std::string searchPath;
    RecordingShell shell;
};

TEST_F(ExternalBrowserTest, NamedBrowserIsTheFirstStandInFoundInItsOwnOrder)
{
    struct Row {
        const char *name;
        BrowserStart choice;
        std::vector<std::pair<std::string, std::string>> installed;
        fs::path expected;
    };
    const std::vector<Row> rows = {
        {"netscape itself",
         BrowserStart::netscape,
         {{"second", "netscape"}, {"first", "firefox"}},
         "second/netscape"},
        {"firefox before firefox-esr even when later on PATH",
         BrowserStart::netscape,
         {{"first", "firefox-esr"}, {"second", "firefox"}},
         "second/firefox"},
        {"iexplore falls back to chromium",
         BrowserStart::iexplore,
         {{"second", "chromium"}, {"first", "google-chrome"}},
         "second/chromium"},
        {"google-chrome last",
         BrowserStart::iexplore,
         {{"first", "google-chrome"}, {"first", "firefox"}},
         "first/google-chrome"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
        shell = RecordingShell();
        for (const auto &[folder, program] : r.installed)
            Install(folder, program);
        EXPECT_TRUE(ShowInExternalBrowser(shell, r.choice, "/web/page1.html", searchPath));
        ASSERT_EQ(shell.starts.size(), 1u);
        EXPECT_EQ(shell.starts[0].program, dir / r.expected);
        EXPECT_TRUE(shell.starts[0].workingDirectory.empty());
        EXPECT_TRUE(shell.opened.empty());
    }
}

TEST_F(ExternalBrowserTest, DefaultBrowserOpensTheDocument)
{
    EXPECT_TRUE(
        ShowInExternalBrowser(shell, BrowserStart::defaultBrowser, "/web/page1.html", searchPath));
    EXPECT_EQ(shell.opened, std::vector<std::string>{"/web/page1.html"});
    EXPECT_TRUE(shell.starts.empty());

    shell.openSucceeds = false;
    EXPECT_FALSE(
        ShowInExternalBrowser(shell, BrowserStart::defaultBrowser, "/web/page1.html", searchPath));
}

TEST_F(ExternalBrowserTest, NothingStartsWithoutChoiceProgramOrSuccess)
{
    Install("first", "firefox");
    EXPECT_FALSE(ShowInExternalBrowser(shell, BrowserStart::none, "/web/a.html", searchPath));
    EXPECT_FALSE(ShowInExternalBrowser(shell, BrowserStart::iexplore, "/web/a.html", searchPath));
    EXPECT_TRUE(shell.starts.empty());
    EXPECT_TRUE(shell.opened.empty());

    shell.startSucceeds = false;
    EXPECT_FALSE(ShowInExternalBrowser(shell, BrowserStart::netscape, "/web/a.html", searchPath));
    EXPECT_EQ(shell.starts.size(), 1u);
}

TEST_F(ExternalBrowserTest, PagePathReachesTheBrowserAsOneArgument)
{
    Install("first", "chromium");
    for (const std::string path :
         {"/home/me/My Photos/page 1.html", "/web/a \"b\" c.html", "/web/odd\\ \\\"name\\"}) {
        SCOPED_TRACE(path);
        shell = RecordingShell();
        ASSERT_TRUE(ShowInExternalBrowser(shell, BrowserStart::iexplore, path, searchPath));
        ASSERT_EQ(shell.starts.size(), 1u);
        EXPECT_EQ(SplitCommandLineArguments(shell.starts[0].parameters),
                  std::vector<std::string>{path});
    }
}

} // namespace
} // namespace pagoranto
