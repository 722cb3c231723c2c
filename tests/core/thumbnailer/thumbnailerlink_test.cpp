#include "core/platform/posixshell.h"
#include "core/text/linefile.h"
#include "core/thumbnailer/thumbnailerlink.h"
#include "tests/support/recordingevents.h"
#include "tests/support/recordingshell.h"
#include "tests/support/scratchdirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;
using testing::RecordingEvents;
using testing::RecordingShell;

class ThumbnailerLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(home / "thumbnailer");
        programDirectory = home.string() + "/";
        job.programDirectory = programDirectory;
        job.pictureDir = "/home/me/pictures/";
        job.pictures = {"IMG_0001.JPG", "summer day.jpg"};
        job.options.destinationDir = "/home/me/";
        job.options.pictureRelPath = "pictures";
        events.tickStep = 10;
    }

    fs::path Folder() const { return home / "thumbnailer"; }
    fs::path Flag() const { return Folder() / "PagorantoActive.txt"; }
    static std::string Contents(const fs::path &file)
    {
        return ReadFileBytes(file).value_or("<missing>");
    }

    ThumbnailerResult Run(Shell &useShell)
    {
        return RunThumbnailer(job, useShell, events, [this](bool shown) { busy.push_back(shown); });
    }

    // The thumbnailer of most tests: done as soon as it is first asked about.
    void FinishOnFirstQuestion()
    {
        shell.program->onRunning = [this] { Finish(); };
    }
    // What our thumbnailer does at its end: the flag goes, then the program.
    void Finish()
    {
        fs::remove(Flag());
        shell.program->isRunning = false;
    }

    testing::ScratchDirectory scratch;
    const fs::path home = scratch.path();
    std::string programDirectory;
    ThumbnailerJob job;
    RecordingShell shell;
    RecordingEvents events;
    std::vector<bool> busy;
};

TEST_F(ThumbnailerLinkTest, ProgramIsFoundWithoutRegardToCase)
{
    EXPECT_FALSE(thumbnailerPresent(programDirectory));
    fs::create_directories(Folder() / "PagorantoThumbNailer");
    EXPECT_FALSE(thumbnailerPresent(programDirectory)) << "a folder is no program";
    fs::remove(Folder() / "PagorantoThumbNailer");

    std::ofstream(Folder() / "pagorantothumbnailer") << "x";
    EXPECT_TRUE(thumbnailerPresent(programDirectory));
    EXPECT_EQ(FindThumbnailerProgram(programDirectory), Folder() / "pagorantothumbnailer");
    std::ofstream(Folder() / "PagorantoThumbNailer") << "x";
    EXPECT_EQ(FindThumbnailerProgram(programDirectory), Folder() / "PagorantoThumbNailer");
    EXPECT_FALSE(thumbnailerPresent(programDirectory + "elsewhere/"));
}

TEST_F(ThumbnailerLinkTest, HandsOverItsFilesByteForByteAndStarts)
{
    std::ofstream(Folder() / "PAGORANTOTHUMBNAILER") << "x";
    std::ofstream(Folder() / "filelist.dat") << "an older and much longer list\r\nof pictures\r\n";
    std::string flagSeen;
    shell.program->onRunning = [&] {
        flagSeen = Contents(Flag());
        Finish();
    };

    const ThumbnailerResult result = Run(shell);

    EXPECT_EQ(result.end, ThumbnailerEnd::FlagRemoved);
    EXPECT_TRUE(result.started());
    EXPECT_EQ(Contents(Folder() / "filelist.dat"),
              "/home/me/pictures/IMG_0001.JPG\r\n/home/me/pictures/summer day.jpg\r\n");
    EXPECT_EQ(flagSeen, "PagorantoThumbNailerActive\r\n");
    ASSERT_TRUE(WriteThumbnailerOptions(home / "expected.cfg", job.options));
    EXPECT_EQ(Contents(Folder() / "mtoptions.cfg"), Contents(home / "expected.cfg"));
    EXPECT_TRUE(Contents(Folder() / "mtoptions.cfg")
                    .starts_with("[PAGORANTOTHUMBNAILER]\r\nSDIR=/home/me/\r\nPDIR=pictures\r\n"));

    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0].program, Folder() / "PAGORANTOTHUMBNAILER");
    EXPECT_EQ(shell.starts[0].parameters,
              "? 2 3 4 5 1 hand-over=" +
                  HandOverDigest(Folder() / "mtoptions.cfg", Folder() / "filelist.dat"));
    EXPECT_EQ(shell.starts[0].workingDirectory.string(), programDirectory + "thumbnailer");
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}

TEST_F(ThumbnailerLinkTest, EmptyPictureListGivesAnEmptyFileList)
{
    job.pictures.clear();
    FinishOnFirstQuestion();
    Run(shell);
    EXPECT_EQ(Contents(Folder() / "filelist.dat"), "");
}

TEST_F(ThumbnailerLinkTest, WaitsASecondThenTestsTheFlagEvery501stPassOrAtThePromptPace)
{
    for (const bool prompt : {false, true}) {
        SCOPED_TRACE(prompt ? "prompt pace" : "window pace");
        if (prompt)
            job.pace = promptThumbnailerPace;
        events = {};
        events.tickStep = 10;
        shell.program->isRunning = true;
        std::vector<int> passesAsked;
        std::uint64_t firstAskedAt = 0;
        shell.program->onRunning = [&] {
            if (passesAsked.empty())
                firstAskedAt = events.now;
            passesAsked.push_back(events.processed);
            if (passesAsked.size() == 3)
                Finish();
        };

        EXPECT_EQ(Run(shell).end, ThumbnailerEnd::FlagRemoved);

        const int passes = prompt ? 10 : 501;
        ASSERT_EQ(passesAsked.size(), 3u);
        if (prompt)
            EXPECT_EQ(passesAsked[0], passes) << "no second of waiting first";
        else
            EXPECT_GT(firstAskedAt, 1000u);
        EXPECT_EQ(passesAsked[1] - passesAsked[0], passes);
        EXPECT_EQ(passesAsked[2] - passesAsked[1], passes);
        EXPECT_EQ(events.processed, passesAsked[2]);
    }
}

TEST_F(ThumbnailerLinkTest, ProgramEndingWithoutRemovingTheFlagEndsTheWait)
{
    shell.program->isRunning = false;
    const ThumbnailerResult result = Run(shell);
    EXPECT_EQ(result.end, ThumbnailerEnd::ExitedWithFlag);
    EXPECT_TRUE(result.started());
    EXPECT_FALSE(fs::exists(Flag()));
    EXPECT_EQ(shell.program->asked, 1);
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}

TEST_F(ThumbnailerLinkTest, AfterItsFlagTheWaitLastsUntilTheProgramHasEnded)
{
    int askedAfterFlag = 0;
    shell.program->onRunning = [this, &askedAfterFlag] {
        if (fs::exists(Flag()))
            fs::remove(Flag());
        else if (++askedAfterFlag == 5)
            shell.program->isRunning = false;
    };
    EXPECT_EQ(Run(shell).end, ThumbnailerEnd::FlagRemoved);
    EXPECT_EQ(askedAfterFlag, 5);
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}

TEST_F(ThumbnailerLinkTest, FailedStartRemovesTheFlagAndWaitsForNothing)
{
    shell.startSucceeds = false;
    const ThumbnailerResult result = Run(shell);
    EXPECT_EQ(result.end, ThumbnailerEnd::NotStarted);
    EXPECT_FALSE(result.started());
    EXPECT_EQ(shell.starts.size(), 1u);
    EXPECT_FALSE(fs::exists(Flag()));
    EXPECT_TRUE(fs::exists(Folder() / "filelist.dat"));
    EXPECT_EQ(events.processed, 0);
    EXPECT_TRUE(busy.empty());
}

TEST_F(ThumbnailerLinkTest, UnwritableFolderStartsNothing)
{
    // A missing folder is made; one that cannot be is not.
    fs::remove_all(Folder());
    ASSERT_TRUE(WriteFileBytes(Folder(), "a file where the folder should be"));
    ThumbnailerResult result = Run(shell);
    EXPECT_EQ(result.end, ThumbnailerEnd::FilesNotWritten);
    EXPECT_EQ(result.unwritableFile, Folder() / "mtoptions.cfg");

    fs::remove(Folder());
    fs::create_directories(Folder() / "filelist.dat");
    result = Run(shell);
    EXPECT_EQ(result.end, ThumbnailerEnd::FilesNotWritten);
    EXPECT_EQ(result.unwritableFile, Folder() / "filelist.dat");
    EXPECT_FALSE(fs::exists(Flag()));
    EXPECT_TRUE(shell.starts.empty());
    EXPECT_TRUE(busy.empty());
}

class RealThumbnailerTest : public ThumbnailerLinkTest {
protected:
    void Install(const std::string &body)
    {
        const fs::path program = Folder() / "PagorantoThumbNailer";
        std::ofstream(program) << "#!/bin/sh\n" << body;
        fs::permissions(program, fs::perms::owner_all);
    }

    PosixShell posixShell;
};

TEST_F(RealThumbnailerTest, WaitEndsWhenTheScriptRemovesTheFlag)
{
    Install("sleep 0.2\nprintf '%s\\n' \"$@\" > args.txt\nrm PagorantoActive.txt\nsleep 0.2\n");
    events.tickStep = 1;
    EXPECT_EQ(Run(posixShell).end, ThumbnailerEnd::FlagRemoved);
    EXPECT_TRUE(Contents(Folder() / "args.txt").starts_with("?\n2\n3\n4\n5\n1\nhand-over="));
}

TEST_F(RealThumbnailerTest, WaitEndsWhenTheScriptEndsWithoutRemovingTheFlag)
{
    Install("sleep 0.1\n");
    events.tickStep = 1;
    EXPECT_EQ(Run(posixShell).end, ThumbnailerEnd::ExitedWithFlag);
    EXPECT_FALSE(fs::exists(Flag()));
}

} // namespace
} // namespace pagoranto
