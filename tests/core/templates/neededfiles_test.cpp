#include "core/templates/neededfiles.h"
#include "core/text/linefile.h"
#include "tests/support/recordingevents.h"
#include "tests/support/recordingprompts.h"
#include "tests/support/scratchdirectory.h"

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

} // namespace
} // namespace pagoranto
