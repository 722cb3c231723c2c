#include "core/generator/endstatusshow.h"
#include "tests/support/recordingprompts.h"
#include "tests/support/recordingshell.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;
using testing::RecordingPrompts;
using testing::RecordingShell;

TEST(EndStatusShow, ButtonUsableForExistingFilesAndDirectoriesOnly)
{
    const testing::ScratchDirectory scratch;
    const fs::path dir = scratch.path();
    fs::create_directories(dir / "thumbs");
    std::ofstream(dir / "page1.html") << "<html>";

    EXPECT_TRUE(EndStatusPathExists(dir.string() + "/"));
    EXPECT_TRUE(EndStatusPathExists((dir / "thumbs").string() + "/"));
    EXPECT_TRUE(EndStatusPathExists((dir / "page1.html").string()));
    EXPECT_FALSE(EndStatusPathExists((dir / "page2.html").string()));
    EXPECT_FALSE(EndStatusPathExists((dir / "missing").string() + "/"));
    // An empty field is not the current directory.
    EXPECT_FALSE(EndStatusPathExists(""));
}

TEST(EndStatusShow, WithoutBrowserChoiceTellsAndOpensWithTheDefault)
{
    RecordingShell shell;
    RecordingPrompts prompts;
    ShowFirstGalleryPage(shell, prompts, BrowserStart::none, "/web/page1.html", "");
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "ERROR");
    EXPECT_EQ(prompts.shown[0].text,
              "Please select a browser.\rThe default browser will be started !");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"/web/page1.html"});
}

TEST(EndStatusShow, ChosenBrowserStartsSilentlyAndOnlyAFailureIsTold)
{
    RecordingShell shell;
    RecordingPrompts prompts;
    ShowFirstGalleryPage(shell, prompts, BrowserStart::defaultBrowser, "/web/page1.html", "");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"/web/page1.html"});
    EXPECT_TRUE(prompts.shown.empty());

    // No stand-in for the named browser on the PATH: nothing starts, and the user hears so.
    ShowFirstGalleryPage(shell, prompts, BrowserStart::netscape, "/web/page1.html", "");
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_TRUE(shell.starts.empty());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "No browser could be started to show\r/web/page1.html");

    // Nor could the desktop open it, with or without a choice.
    shell.openSucceeds = false;
    ShowFirstGalleryPage(shell, prompts, BrowserStart::none, "/web/page1.html", "");
    ShowEndStatusFolder(shell, prompts, "/web/thumbs/");
    ASSERT_EQ(prompts.shown.size(), 4u);
    EXPECT_EQ(prompts.shown[2].title, "ERROR");
    EXPECT_EQ(prompts.shown[3].text, "No browser could be started to show\r/web/thumbs/");
}

} // namespace
} // namespace pagoranto
