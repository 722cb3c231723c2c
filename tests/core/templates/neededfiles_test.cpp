#include "core/templates/neededfiles.h"
#include "core/text/linefile.h"
#include "tests/support/recordingevents.h"
#include "tests/support/recordingprompts.h"
#include "tests/support/scratchdirectory.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

TEST(NeededFilesTest, OnlyAnExistingTargetIsOfferedForOverwritingAndFailuresAreSaid)
{
    const testing::ScratchDirectory scratch;
    const fs::path &root = scratch.path();
    fs::create_directories(root / "layouts");
    fs::create_directories(root / "gallery" / "blocked.css");
    std::ofstream(root / "layouts" / "blocked.css") << "b{}";
    std::ofstream(root / "layouts" / "fresh.css") << "f{}";
    testing::RecordingPrompts prompts;
    testing::RecordingEvents events;

    CopyNeededFiles({"gone.css", "blocked.css", "fresh.css"}, root / "layouts" / "layout.html",
                    (root / "gallery").string() + "/", prompts, events);

    ASSERT_EQ(prompts.shown.size(), 3u);
    EXPECT_EQ(prompts.shown[0].title, "ERROR") << "a missing source is no existing target";
    EXPECT_EQ(prompts.shown[0].text.find("Unable to copy the needed file\r"), 0u);
    EXPECT_EQ(prompts.shown[1].title, "info") << "the target exists: overwrite?";
    EXPECT_EQ(prompts.shown[2].title, "ERROR") << "the overwrite itself failed";
    EXPECT_EQ(ReadFileBytes(root / "gallery" / "fresh.css"), "f{}");
}

TEST(NeededFilesTest, AnOverwrittenTargetHoldingTheSameBytesKeepsItsTime)
{
    const testing::ScratchDirectory scratch;
    const fs::path &root = scratch.path();
    fs::create_directories(root / "layouts");
    fs::create_directories(root / "gallery");
    std::ofstream(root / "layouts" / "same.css") << "s{}";
    std::ofstream(root / "layouts" / "changed.css") << "new{}";
    std::ofstream(root / "gallery" / "same.css") << "s{}";
    std::ofstream(root / "gallery" / "changed.css") << "old{}";
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char *name : {"same.css", "changed.css"})
        fs::last_write_time(root / "gallery" / name, longAgo);
    testing::RecordingPrompts prompts;
    testing::RecordingEvents events;

    CopyNeededFiles({"same.css", "changed.css"}, root / "layouts" / "layout.html",
                    (root / "gallery").string() + "/", prompts, events);

    ASSERT_EQ(prompts.shown.size(), 2u) << "both exist, so both are asked about";
    EXPECT_EQ(fs::last_write_time(root / "gallery" / "same.css"), longAgo);
    EXPECT_EQ(ReadFileBytes(root / "gallery" / "changed.css"), "new{}");
    EXPECT_NE(fs::last_write_time(root / "gallery" / "changed.css"), longAgo);
}

TEST(NeededFilesTest, LinksLeadingOutsideAreNeitherReadNorWrittenThrough)
{
    const testing::ScratchDirectory scratch;
    const fs::path &root = scratch.path();
    fs::create_directories(root / "layouts" / "sub");
    fs::create_directories(root / "gallery");
    fs::create_directories(root / "elsewhere");
    fs::create_directories(root / "private");
    for (const char *name : {"picture.css", "dangling.css", "sub/x.css", "own.css"})
        std::ofstream(root / "layouts" / name) << "css{}";
    std::ofstream(root / "private" / "secret.txt") << "secret";
    std::ofstream(root / "elsewhere" / "picture.css") << "theirs";
    fs::create_symlink(root / "private" / "secret.txt", root / "layouts" / "leak.css");
    fs::create_symlink(root / "elsewhere" / "picture.css", root / "gallery" / "picture.css");
    fs::create_symlink(root / "elsewhere" / "new.css", root / "gallery" / "dangling.css");
    fs::create_symlink(root / "elsewhere", root / "gallery" / "sub");
    // A link that stays inside is no harm.
    fs::create_symlink("picture.css", root / "layouts" / "own.css.link");
    testing::RecordingPrompts prompts;
    prompts.answers = {PromptAnswer::Yes};
    testing::RecordingEvents events;

    CopyNeededFiles({"leak.css", "picture.css", "dangling.css", "sub/x.css", "own.css.link"},
                    root / "layouts" / "layout.html", (root / "gallery").string() + "/", prompts,
                    events);

    ASSERT_EQ(prompts.shown.size(), 4u);
    for (const auto &shown : prompts.shown)
        EXPECT_NE(shown.text.find("through a link that leads outside"), std::string::npos)
            << shown.text;
    EXPECT_FALSE(fs::exists(root / "gallery" / "leak.css"));
    EXPECT_EQ(ReadFileBytes(root / "elsewhere" / "picture.css"), "theirs");
    EXPECT_FALSE(fs::exists(root / "elsewhere" / "new.css"));
    EXPECT_FALSE(fs::exists(root / "elsewhere" / "x.css"));
    EXPECT_EQ(ReadFileBytes(root / "gallery" / "own.css.link"), "css{}");
}

} // namespace
} // namespace pagoranto
