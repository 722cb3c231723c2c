#include "core/generator/htmlcompressor.h"
#include "core/generator/pagesaving.h"
#include "core/text/linefile.h"
#include "tests/support/recordingevents.h"
#include "tests/support/recordingprompts.h"
#include "tests/support/scratchdirectory.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace pagoranto {
namespace {

using testing::RecordingEvents;
using testing::RecordingPrompts;

std::string UnableToCreate(const std::string &page)
{
    return "Unable to create html page !\r\r" + page +
           "\r\rMaybe the file is existing in the destination directory \rwrite protected or "
           "\ryou've tried to create pages on write protected media \ror the destination media "
           "is full !";
}

class SavePageTest : public ::testing::Test {
protected:
    void SetUp() override { ApplyMainWindowOptions(compressor, false); }

    SavePageResult Save(const ByteLines &page, const std::filesystem::path &outputDir,
                        std::string_view name, bool pagecompressor)
    {
        return SavePage(
            page, outputDir, folders, name, pagecompressor, compressor, bytesSaved, prompts, events,
            [this](std::string_view s) { statuses.emplace_back(s); },
            [this](std::string_view s) {
                indicators.emplace_back(s);
                if (onIndicator)
                    onIndicator();
            });
    }

    testing::ScratchDirectory scratch;
    const std::filesystem::path dir = scratch.path();
    FolderHandles folders;
    RecordingEvents events;
    RecordingPrompts prompts;
    THTMLCompressor compressor{events};
    std::int32_t bytesSaved = 0;
    std::vector<std::string> statuses;
    std::vector<std::string> indicators;
    std::function<void()> onIndicator;
};

TEST_F(SavePageTest, WritesCrLfLinesWithoutCompressor)
{
    ASSERT_TRUE(WriteFileBytes(dir / "page1.htm", "older and longer content"));
    const SavePageResult result = Save({"<p>a  b</p>", "", "c"}, dir, "page1.htm", false);
    EXPECT_FALSE(result.saveFailed);
    EXPECT_EQ(ReadFileBytes(dir / "page1.htm"), "<p>a  b</p>\r\n\r\nc\r\n");
    EXPECT_EQ(statuses, (std::vector<std::string>{"Saving page"}));
    EXPECT_TRUE(indicators.empty());
    EXPECT_EQ(bytesSaved, 0);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SavePageTest, CompressesAndCountsBytesSaved)
{
    bytesSaved = 5;
    const SavePageResult result = Save({"a  b", "<STRONG>x</STRONG>"}, dir, "p.htm", true);
    EXPECT_FALSE(result.saveFailed);
    EXPECT_TRUE(result.compressedSaved);
    EXPECT_EQ(ReadFileBytes(dir / "p.htm"), "a b\r\n<b>x</b>\r\n");
    EXPECT_EQ(bytesSaved, 5 + 26 - 15);
    EXPECT_EQ(indicators, (std::vector<std::string>{"<5 bytes saved>", "16 bytes saved"}));
    EXPECT_EQ(statuses, (std::vector<std::string>{"Saving page", "Compressing page"}));
    EXPECT_GT(events.processed, 0);

    Save({"c  d"}, dir, "q.htm", true);
    EXPECT_EQ(indicators.back(), "17 bytes saved");
}

TEST_F(SavePageTest, EmptyPageIsCompressedToNothing)
{
    const SavePageResult result = Save({}, dir, "e.htm", true);
    EXPECT_FALSE(result.saveFailed);
    EXPECT_EQ(ReadFileBytes(dir / "e.htm"), "");
    EXPECT_EQ(indicators.back(), "0 bytes saved");
}

TEST_F(SavePageTest, MissingDirectoryIsReported)
{
    const std::filesystem::path missing = dir / "missing";
    const SavePageResult result = Save({"x"}, missing, "page1.htm", true);
    EXPECT_TRUE(result.saveFailed);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "ERROR");
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts.shown[0].text, UnableToCreate(missing.string() + "/page1.htm"));
    EXPECT_TRUE(indicators.empty());
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(SavePageTest, DirectoryThatIsARegularFileIsReported)
{
    ASSERT_TRUE(WriteFileBytes(dir / "file", "keep"));
    const SavePageResult result = Save({"x"}, dir / "file" / "", "page1.htm", false);
    EXPECT_TRUE(result.saveFailed);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, UnableToCreate((dir / "file").string() + "/page1.htm"));
    EXPECT_EQ(ReadFileBytes(dir / "file"), "keep");
}

TEST_F(SavePageTest, NamesLeavingTheDirectoryAreRefused)
{
    std::filesystem::create_directories(dir / "out" / "sub");
    const std::vector<std::string> names = {
        "", ".", "..", "../escaped.htm", "sub/page.htm", "..\\escaped.htm", std::string("a\0b", 3)};
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        prompts.shown.clear();
        EXPECT_TRUE(Save({"x"}, dir / "out", name, true).saveFailed);
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].text, UnableToCreate((dir / "out").string() + "/" + name));
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "escaped.htm"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "sub" / "page.htm"));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "out" / "sub"));
    EXPECT_TRUE(indicators.empty());
}

TEST_F(SavePageTest, PageThatCannotBeReadBackIsWrittenAgainUncompressed)
{
    onIndicator = [&] { std::filesystem::remove(dir / "p.htm"); };
    const SavePageResult result = Save({"a  b"}, dir, "p.htm", true);
    EXPECT_FALSE(result.saveFailed);
    EXPECT_FALSE(result.compressedSaved);
    EXPECT_EQ(ReadFileBytes(dir / "p.htm"), "a  b\r\n");
    EXPECT_EQ(indicators, (std::vector<std::string>{"<0 bytes saved>"}));
    EXPECT_EQ(bytesSaved, 0);
}

TEST_F(SavePageTest, FailedCompressedWriteIsNotAnError)
{
    onIndicator = [&] {
        if (indicators.size() == 2) {
            std::filesystem::remove(dir / "p.htm");
            std::filesystem::create_directory(dir / "p.htm");
        }
    };
    const SavePageResult result = Save({"a  b"}, dir, "p.htm", true);
    EXPECT_FALSE(result.saveFailed);
    EXPECT_FALSE(result.compressedSaved);
    EXPECT_TRUE(prompts.shown.empty());
}

// A full disk, made with a file-size limit in a child process: the page that cannot be written
// whole is reported, and the page of the earlier run is still there, whole.
TEST_F(SavePageTest, FullMediaKeepsTheOldPageAndIsReported)
{
    const std::string oldPage = "<p>the page of the earlier run</p>\r\n";
    ASSERT_TRUE(WriteFileBytes(dir / "page1.htm", oldPage));
    const ByteLines bigPage(400, std::string(60, 'x'));
    for (const bool pagecompressor : {false, true}) {
        SCOPED_TRACE(pagecompressor);
        const auto saveOnFullMedia = [&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                std::_Exit(3);
            const SavePageResult result = Save(bigPage, dir, "page1.htm", pagecompressor);
            if (!result.saveFailed)
                std::_Exit(1);
            if (prompts.shown.size() != 1 ||
                prompts.shown[0].text != UnableToCreate(dir.string() + "/page1.htm")) {
                std::fprintf(stderr, "wrong message");
                std::_Exit(2);
            }
            std::fprintf(stderr, "reported");
            std::_Exit(0);
        };
        EXPECT_EXIT(saveOnFullMedia(), ::testing::ExitedWithCode(0), "reported");
        EXPECT_EQ(ReadFileBytes(dir / "page1.htm"), oldPage);
        int entries = 0;
        for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(dir))
            ++entries;
        EXPECT_EQ(entries, 1) << "a partly written page was left behind";
    }
}

TEST_F(SavePageTest, UnchangedPagesAreLeftUntouched)
{
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    {
        const bool pagecompressor = false;
        const std::filesystem::path page = dir / "page1.htm";
        ASSERT_FALSE(Save({"<p>a  b</p>"}, dir, "page1.htm", pagecompressor).saveFailed);
        const std::string written = ReadFileBytes(page).value_or("<missing>");
        std::filesystem::last_write_time(page, old);
        const std::int32_t savedOnce = bytesSaved;
        statuses.clear();
        indicators.clear();

        const SavePageResult again = Save({"<p>a  b</p>"}, dir, "page1.htm", pagecompressor);
        EXPECT_FALSE(again.saveFailed);
        EXPECT_EQ(again.compressedSaved, pagecompressor);
        EXPECT_EQ(std::filesystem::last_write_time(page), old);
        EXPECT_EQ(ReadFileBytes(page), written);
        // The run still shows and counts what it would have saved.
        EXPECT_EQ(bytesSaved, 2 * savedOnce);
        EXPECT_EQ(indicators.size(), pagecompressor ? 2u : 0u);

        EXPECT_FALSE(Save({"<p>c  d</p>"}, dir, "page1.htm", pagecompressor).saveFailed);
        EXPECT_NE(std::filesystem::last_write_time(page), old);
        EXPECT_EQ(ReadFileBytes(page), pagecompressor ? "<p>c d</p>\r\n" : "<p>c  d</p>\r\n");
        bytesSaved = 0;
    }
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
} // namespace pagoranto
