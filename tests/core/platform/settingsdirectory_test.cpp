#include "core/platform/settingsdirectory.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

class SettingsDirectoryTest : public testing::ScratchDirectoryTest {
protected:
    std::string Dir(const std::string &name) const { return (m_dir / name).string(); }
};

TEST_F(SettingsDirectoryTest, AWritableProgramFolderKeepsTheSettings)
{
    fs::create_directories(m_dir / "program" / "thumbnailer");
    EXPECT_EQ(SettingsDirectory(Dir("program"), {Dir("config"), Dir("home")}),
              Dir("program") + "/");
    EXPECT_FALSE(fs::exists(m_dir / "config"));
}

TEST_F(SettingsDirectoryTest, OtherwiseTheUsersConfigFolderIsMadeWithTheShippedOptionSets)
{
    // A folder the programs cannot write: its thumbnailer folder is no folder at all.
    fs::create_directories(m_dir / "program" / "own_config_files" / "complete_cfg");
    Write("program/own_config_files/complete_cfg/strip.ccc", "shipped");
    Write("program/thumbnailer", "not a folder");

    const std::string settings = SettingsDirectory(Dir("program"), {Dir("config"), Dir("home")});
    EXPECT_EQ(settings, Dir("config") + "/pagoranto/");
    EXPECT_EQ(ReadFileBytes(settings + "own_config_files/complete_cfg/strip.ccc"), "shipped");

    // A set the user changed is not replaced by the shipped one on the next start.
    Write("config/pagoranto/own_config_files/complete_cfg/strip.ccc", "mine");
    SettingsDirectory(Dir("program"), {Dir("config"), Dir("home")});
    EXPECT_EQ(ReadFileBytes(settings + "own_config_files/complete_cfg/strip.ccc"), "mine");

    // Without an absolute XDG_CONFIG_HOME: ~/.config; without any: the program folder.
    EXPECT_EQ(SettingsDirectory(Dir("program"), {"relative", Dir("home")}),
              Dir("home") + "/.config/pagoranto/");
    EXPECT_EQ(SettingsDirectory(Dir("program"), {"", ""}), Dir("program") + "/");
}

TEST_F(SettingsDirectoryTest, AReadOnlyProgramFolderSendsTheSettingsAway)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere; the install test covers a normal user";
    fs::create_directories(m_dir / "program");
    fs::permissions(m_dir / "program", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(SettingsDirectory(Dir("program"), {Dir("config"), ""}),
              Dir("config") + "/pagoranto/");
    fs::permissions(m_dir / "program", fs::perms::owner_all);
}

} // namespace
} // namespace pagoranto
