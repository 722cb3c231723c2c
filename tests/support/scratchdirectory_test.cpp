#include "tests/support/scratchdirectory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <system_error>
#include <unistd.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDirectory;

// Sets TMPDIR for one test and puts the earlier value back.
class TmpdirSetting {
public:
    explicit TmpdirSetting(const std::string &value)
    {
        if (const char *old = std::getenv("TMPDIR"))
            m_old = old;
        ::setenv("TMPDIR", value.c_str(), 1);
    }
    ~TmpdirSetting()
    {
        if (m_old)
            ::setenv("TMPDIR", m_old->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> m_old;
};

TEST(ScratchDirectory, EveryObjectHasItsOwnDirectoryUnderTmpdir)
{
    const ScratchDirectory outer;
    const TmpdirSetting tmpdir(outer.path().string());
    const ScratchDirectory a;
    const ScratchDirectory b;
    EXPECT_NE(a.path(), b.path());
    for (const ScratchDirectory *dir : {&a, &b}) {
        EXPECT_TRUE(fs::is_directory(dir->path()));
        EXPECT_EQ(dir->path().parent_path(), outer.path());
        EXPECT_TRUE(fs::is_empty(dir->path()));
    }
    EXPECT_EQ(a.file("sub/x.txt"), a.path() / "sub" / "x.txt");
    EXPECT_EQ(a.slashed(), a.path().string() + "/");
}

TEST(ScratchDirectory, RelativeTmpdirStillGivesAnAbsolutePath)
{
    const ScratchDirectory outer;
    const fs::path before = fs::current_path();
    fs::current_path(outer.path());
    fs::create_directory("relative");
    {
        const TmpdirSetting tmpdir("relative");
        const ScratchDirectory dir;
        fs::current_path(before);
        EXPECT_TRUE(dir.path().is_absolute()) << dir.path();
        EXPECT_TRUE(fs::is_directory(dir.path()));
        EXPECT_EQ(dir.path().parent_path(), outer.path() / "relative");
    }
    fs::current_path(before);
}

TEST(ScratchDirectory, MissingParentIsAnErrorAndNotASilentDirectory)
{
    const ScratchDirectory outer;
    EXPECT_THROW(ScratchDirectory(outer.path() / "missing", "x-"), std::system_error);
    EXPECT_TRUE(fs::is_empty(outer.path()));
}

TEST(ScratchDirectory, GoesWithEverythingInIt)
{
    fs::path kept;
    {
        const ScratchDirectory dir;
        kept = dir.path();
        fs::create_directories(dir.file("a/b/c"));
        std::ofstream(dir.file("a/b/c/file.txt")) << "text";
        std::ofstream(dir.file("top.txt")) << "text";
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(ScratchDirectory, GoesEvenWhenATestTookAwayTheOwnersRights)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may remove anything";
    fs::path kept;
    {
        const ScratchDirectory dir;
        kept = dir.path();
        fs::create_directories(dir.file("locked/inner"));
        std::ofstream(dir.file("locked/inner/file.txt")) << "text";
        fs::permissions(dir.file("locked/inner"), fs::perms::owner_read);
        fs::permissions(dir.file("locked"), fs::perms::none);
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(ScratchDirectory, LinksOutOfItAreNotFollowed)
{
    const ScratchDirectory outside;
    std::ofstream(outside.file("precious.txt")) << "keep";
    fs::permissions(outside.path(), fs::perms::owner_read | fs::perms::owner_exec);
    {
        const ScratchDirectory dir;
        fs::create_directory_symlink(outside.path(), dir.file("link"));
        fs::create_directory(dir.file("locked"));
        // Forces the path that gives rights back, which must stop at the link.
        fs::permissions(dir.file("locked"), fs::perms::none);
    }
    EXPECT_TRUE(fs::exists(outside.file("precious.txt")));
    EXPECT_EQ(fs::status(outside.path()).permissions() & fs::perms::owner_write, fs::perms::none);
    fs::permissions(outside.path(), fs::perms::owner_all);
}

TEST(ScratchDirectory, MovedDirectoryGoesOnlyWithItsLastOwner)
{
    ScratchDirectory first;
    const fs::path path = first.path();
    ScratchDirectory second = std::move(first);
    EXPECT_EQ(second.path(), path);
    {
        ScratchDirectory third;
        const fs::path replaced = third.path();
        third = std::move(second);
        EXPECT_FALSE(fs::exists(replaced));
        EXPECT_TRUE(fs::is_directory(path));
    }
    EXPECT_FALSE(fs::exists(path));
}

} // namespace
} // namespace pagoranto
