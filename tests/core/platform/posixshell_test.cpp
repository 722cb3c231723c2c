#include "core/platform/childprocess.h"
#include "core/platform/posixshell.h"
#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

// Waits for something a child process does; the limit only keeps a broken build from hanging.
template <typename Condition> bool Eventually(Condition condition)
{
    for (int i = 0; i < 2000; ++i) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

class PosixShellTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir / "work"); }

    fs::path Script(const std::string &name, const std::string &body, bool executable = true)
    {
        const fs::path path = dir / name;
        std::ofstream(path) << "#!/bin/sh\n" << body;
        fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read);
        return path;
    }

    static std::string Contents(const fs::path &file)
    {
        return ReadFileBytes(file).value_or("<missing>");
    }

    bool Finished(StartedProgram &program)
    {
        return Eventually([&] { return !program.running(); });
    }

    testing::ScratchDirectory scratch;
    const fs::path dir = scratch.path();
    PosixShell shell;
};

TEST_F(PosixShellTest, PassesSplitArgumentsWithoutAShell)
{
    const fs::path script = Script("args.sh", "printf '[%s]\\n' \"$@\" > \"$0.out\"\n");
    const auto program = shell.startProgram(script, R"("a b" c\"d $HOME * "")", dir / "work");
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(Finished(*program));
    EXPECT_EQ(Contents(dir / "args.sh.out"), "[a b]\n[c\"d]\n[$HOME]\n[*]\n[]\n");
}

TEST_F(PosixShellTest, RunsInTheWorkingDirectory)
{
    const fs::path script = Script("where.sh", "pwd > here.txt\n");
    const auto program = shell.startProgram(script, "", dir / "work");
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(Finished(*program));
    EXPECT_EQ(Contents(dir / "work" / "here.txt"), fs::canonical(dir / "work").string() + "\n");
}

TEST_F(PosixShellTest, BareProgramNameIsFoundOnPath)
{
    const auto program = shell.startProgram("sh", "-c \"echo found > out.txt\"", dir / "work");
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(Finished(*program));
    EXPECT_EQ(Contents(dir / "work" / "out.txt"), "found\n");
}

TEST_F(PosixShellTest, ProgramThatCannotStartGivesNothing)
{
    EXPECT_EQ(shell.startProgram(dir / "missing", "", dir / "work"), nullptr);
    EXPECT_EQ(shell.startProgram("pagoranto-no-such-program", "", dir / "work"), nullptr);
    EXPECT_EQ(shell.startProgram(Script("plain.sh", "exit 0\n", false), "", dir / "work"), nullptr);
    EXPECT_EQ(shell.startProgram(Script("fine.sh", "exit 0\n"), "", dir / "no-such-dir"), nullptr);
    EXPECT_EQ(shell.startProgram("", "", dir / "work"), nullptr);
}

TEST_F(PosixShellTest, LettingGoOfARunningProgramDoesNotStopIt)
{
    const fs::path script = Script("late.sh", "read line\necho done > late.txt\n");
    int toChild[2];
    // Close-on-exec keeps the write end out of the child, so closing it here ends its input.
    ASSERT_EQ(::pipe2(toChild, O_CLOEXEC), 0);
    const int savedStdin = ::dup(STDIN_FILENO);
    ::dup2(toChild[0], STDIN_FILENO);
    auto program = shell.startProgram(script, "", dir / "work");
    ::dup2(savedStdin, STDIN_FILENO);
    ::close(savedStdin);
    ::close(toChild[0]);
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(program->running());
    program.reset();
    ::close(toChild[1]);
    EXPECT_TRUE(Eventually([&] { return fs::exists(dir / "work" / "late.txt"); }));
}

bool IsOurChild(pid_t pid)
{
    return ::waitpid(pid, nullptr, WNOHANG) != -1 || errno != ECHILD;
}

TEST(ChildProcess, ReapsAChildThatHasEnded)
{
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
        ::_exit(0);
    ChildProcess child(pid);
    EXPECT_TRUE(Eventually([&] { return !child.running(); }));
    EXPECT_FALSE(child.running());
    EXPECT_FALSE(IsOurChild(pid));
}

TEST(ChildProcess, LettingGoReapsAnEndedChildAtOnce)
{
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
        ::_exit(0);
    // Until it is reaped the ended child stays a zombie that waitid can see without reaping.
    ASSERT_TRUE(Eventually([&] {
        siginfo_t info{};
        return ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               info.si_pid == pid;
    }));
    {
        ChildProcess child(pid);
    }
    EXPECT_FALSE(IsOurChild(pid));
}

TEST(ChildProcess, LettingGoReapsARunningChildWhenItEnds)
{
    int toChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        char byte;
        ::close(toChild[1]);
        while (::read(toChild[0], &byte, 1) > 0) {
        }
        ::_exit(0);
    }
    ::close(toChild[0]);
    {
        ChildProcess child(pid);
    }
    EXPECT_EQ(::kill(pid, 0), 0);
    ::close(toChild[1]);
    EXPECT_TRUE(Eventually([&] { return ::kill(pid, 0) == -1; }));
}

class ProgramOnPathTest : public PosixShellTest {};

TEST_F(ProgramOnPathTest, FirstNameInListOrderThatIsExecutable)
{
    fs::create_directories(dir / "one");
    fs::create_directories(dir / "two");
    const auto executable = [&](const fs::path &path, bool runnable) {
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, runnable ? fs::perms::owner_all : fs::perms::owner_read);
    };
    executable(dir / "one" / "firefox", true);
    executable(dir / "one" / "netscape", false);
    executable(dir / "two" / "firefox", true);
    executable(dir / "two" / "chromium", true);
    fs::create_directories(dir / "two" / "netscape-dir");
    const std::string path = "::" + (dir / "one").string() + ":" + (dir / "two").string() + ":";

    EXPECT_EQ(FindProgramOnPath({"netscape", "firefox", "chromium"}, path),
              dir / "one" / "firefox");
    EXPECT_EQ(FindProgramOnPath({"iexplore", "chromium", "firefox"}, path),
              dir / "two" / "chromium");
    EXPECT_EQ(FindProgramOnPath({"netscape", "netscape-dir", "iexplore"}, path), std::nullopt);
    EXPECT_EQ(FindProgramOnPath({"firefox"}, ""), std::nullopt);
    EXPECT_EQ(FindProgramOnPath({"one/firefox"}, dir.string()), std::nullopt);
}

// xdg-open is replaced by a script on PATH for the length of one test.
class OpenDocumentTest : public PosixShellTest {
protected:
    void SetUp() override
    {
        PosixShellTest::SetUp();
        const char *path = std::getenv("PATH");
        savedPath = path ? path : "";
        fs::create_directories(dir / "bin");
        ::setenv("PATH", (dir / "bin").c_str(), 1);
    }
    void TearDown() override
    {
        ::setenv("PATH", savedPath.c_str(), 1);
        PosixShellTest::TearDown();
    }

    std::string savedPath;
};

TEST_F(OpenDocumentTest, HandsTheDocumentToXdgOpenQuietly)
{
    const fs::path out = dir / "opened.txt";
    const fs::path script =
        Script("bin/xdg-open",
               "echo noise; echo noise >&2; printf '[%s]' \"$@\" > '" + out.string() + "'\n");
    EXPECT_TRUE(shell.openDocument("/home/me/my page.html"));
    ASSERT_TRUE(Eventually([&] { return fs::exists(out) && fs::file_size(out) > 0; }));
    EXPECT_EQ(Contents(out), "[/home/me/my page.html]");

    fs::remove(out);
    EXPECT_TRUE(shell.openDocument("--help.html"));
    ASSERT_TRUE(Eventually([&] { return fs::exists(out) && fs::file_size(out) > 0; }));
    EXPECT_EQ(Contents(out), "[./--help.html]");
}

TEST_F(OpenDocumentTest, MissingXdgOpenIsAFailure)
{
    EXPECT_FALSE(shell.openDocument("/home/me/page.html"));
}

} // namespace
} // namespace pagoranto
