#include "core/platform/trash.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/scopedvariable.h"
#include "tests/support/secondfilesystemtrash.h"

#include <ctime>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

class TrashTest : public testing::ScratchDirectoryTest {
protected:
    void SetUp() override { fs::create_directories(m_dir / "photos"); }

    fs::path trash() const { return m_dir / "data" / "Trash"; }
    std::string photosPath() const { return fs::canonical(m_dir / "photos").string(); }
    static std::string Info(const fs::path &trash, const std::string &name)
    {
        return ReadFileBytes(trash / "info" / (name + ".trashinfo")).value_or("<missing>");
    }
    static std::string InfoPath(const std::string &info)
    {
        std::smatch match;
        return std::regex_search(info, match, std::regex("\nPath=([^\n]*)\n")) ? match[1].str()
                                                                               : "<no Path>";
    }
    static std::size_t Entries(const fs::path &folder)
    {
        std::error_code error;
        std::size_t count = 0;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error))
            ++count;
        return count;
    }

    testing::ScopedVariable m_dataHome{"XDG_DATA_HOME", (m_dir / "data").string()};
};

TEST_F(TrashTest, MovesTheFileAndWritesItsInformation)
{
    const std::string name = "Gr\xC3\xBC\xC3\x9F"
                             "e 100% a+b#1.jpg";
    const fs::path photo = Write("photos/" + name, "picture");
    const std::time_t before = std::time(nullptr);
    const TrashResult result = MoveToTrash(photo);
    ASSERT_EQ(result.outcome, TrashOutcome::trashed) << result.error;

    EXPECT_FALSE(fs::exists(fs::symlink_status(photo)));
    EXPECT_EQ(ReadFileBytes(trash() / "files" / name).value_or(""), "picture");
    for (const char *folder : {"files", "info"})
        EXPECT_EQ(fs::status(trash() / folder).permissions(), fs::perms::owner_all) << folder;

    const std::string info = Info(trash(), name);
    std::smatch match;
    ASSERT_TRUE(
        std::regex_match(info, match,
                         std::regex("\\[Trash Info\\]\nPath=([^\n]*)\n"
                                    "DeletionDate=(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)"
                                    "\n")))
        << info;
    EXPECT_EQ(match[1].str(), photosPath() + "/Gr%C3%BC%C3%9Fe%20100%25%20a%2Bb%231.jpg");
    // The date is local time, as the desktop shows it.
    std::tm local{};
    ASSERT_NE(::strptime(match[2].str().c_str(), "%Y-%m-%dT%H:%M:%S", &local), nullptr);
    local.tm_isdst = -1;
    const std::time_t deleted = std::mktime(&local);
    EXPECT_GE(deleted, before - 1);
    EXPECT_LE(deleted, std::time(nullptr) + 1);
}

TEST_F(TrashTest, NamesThatClashGetTheirOwnEntries)
{
    fs::create_directories(m_dir / "other");
    // A leftover without information is never replaced.
    fs::create_directories(trash() / "files");
    Write("data/Trash/files/photo.3.jpg", "leftover");
    for (const char *folder : {"photos", "other", "photos"}) {
        const fs::path photo = Write(std::string(folder) + "/photo.jpg", folder);
        ASSERT_EQ(MoveToTrash(photo).outcome, TrashOutcome::trashed);
    }
    Write("photos/.hidden", "dot");
    ASSERT_EQ(MoveToTrash(m_dir / "photos" / ".hidden").outcome, TrashOutcome::trashed);
    Write("photos/.hidden", "dot again");
    ASSERT_EQ(MoveToTrash(m_dir / "photos" / ".hidden").outcome, TrashOutcome::trashed);

    EXPECT_EQ(ReadFileBytes(trash() / "files" / "photo.jpg").value_or(""), "photos");
    EXPECT_EQ(ReadFileBytes(trash() / "files" / "photo.2.jpg").value_or(""), "other");
    EXPECT_EQ(ReadFileBytes(trash() / "files" / "photo.3.jpg").value_or(""), "leftover");
    EXPECT_EQ(ReadFileBytes(trash() / "files" / "photo.4.jpg").value_or(""), "photos");
    EXPECT_EQ(ReadFileBytes(trash() / "files" / ".hidden.2").value_or(""), "dot again");
    EXPECT_EQ(InfoPath(Info(trash(), "photo.2.jpg")),
              fs::canonical(m_dir / "other").string() + "/photo.jpg");
    EXPECT_EQ(InfoPath(Info(trash(), "photo.4.jpg")), photosPath() + "/photo.jpg");
    EXPECT_FALSE(fs::exists(trash() / "info" / "photo.3.jpg.trashinfo"));
    EXPECT_EQ(Entries(trash() / "info"), 5u);
}

TEST_F(TrashTest, AVeryLongNameIsShortenedToFitTheInformationFile)
{
    // 250 bytes of two-byte characters: the cut must not split one.
    std::string name;
    for (int i = 0; i < 125; ++i)
        name += "\xC3\xA9";
    name += ".jpg";
    const fs::path photo = Write("photos/" + name, "long");
    ASSERT_EQ(MoveToTrash(photo).outcome, TrashOutcome::trashed);
    ASSERT_EQ(Entries(trash() / "files"), 1u);
    const std::string trashed = fs::directory_iterator(trash() / "files")->path().filename();
    EXPECT_EQ(trashed.size() + std::string(".trashinfo").size(), 254u);
    EXPECT_TRUE(trashed.ends_with("\xC3\xA9.jpg")) << trashed;
    EXPECT_EQ(InfoPath(Info(trash(), trashed)).size(), photosPath().size() + 1 + 125 * 6 + 4);
}

TEST_F(TrashTest, ALinkGoesAsTheLink)
{
    const fs::path target = Write("target.jpg", "kept");
    fs::create_symlink(target, m_dir / "photos" / "link.jpg");
    fs::create_symlink(m_dir / "nowhere.jpg", m_dir / "photos" / "broken.jpg");
    ASSERT_EQ(MoveToTrash(m_dir / "photos" / "link.jpg").outcome, TrashOutcome::trashed);
    ASSERT_EQ(MoveToTrash(m_dir / "photos" / "broken.jpg").outcome, TrashOutcome::trashed);

    EXPECT_EQ(ReadFileBytes(target).value_or(""), "kept");
    EXPECT_TRUE(fs::is_symlink(trash() / "files" / "link.jpg"));
    EXPECT_EQ(fs::read_symlink(trash() / "files" / "link.jpg"), target);
    EXPECT_TRUE(fs::is_symlink(trash() / "files" / "broken.jpg"));
    EXPECT_EQ(InfoPath(Info(trash(), "link.jpg")), photosPath() + "/link.jpg");
}

TEST_F(TrashTest, FailuresLeaveNoInformationBehind)
{
    const TrashResult missing = MoveToTrash(m_dir / "photos" / "missing.jpg");
    EXPECT_EQ(missing.outcome, TrashOutcome::failed);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_EQ(MoveToTrash(m_dir / "nofolder" / "a.jpg").outcome, TrashOutcome::failed);
    EXPECT_EQ(MoveToTrash("").outcome, TrashOutcome::failed);
    EXPECT_EQ(MoveToTrash("/").outcome, TrashOutcome::failed);

    // A folder that holds the trash cannot go into it: the rename fails after the information
    // file was made.
    ASSERT_EQ(MoveToTrash(Write("photos/a.jpg", "x")).outcome, TrashOutcome::trashed);
    const TrashResult holder = MoveToTrash(m_dir / "data");
    EXPECT_EQ(holder.outcome, TrashOutcome::failed);
    EXPECT_FALSE(holder.error.empty());
    EXPECT_EQ(Entries(trash() / "info"), 1u);
    EXPECT_EQ(Entries(trash() / "files"), 1u);
}

TEST_F(TrashTest, AReadOnlyTrashFailsAndKeepsTheFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const fs::path photo = Write("photos/a.jpg", "x");
    fs::create_directories(trash() / "files");
    fs::create_directories(trash() / "info");
    for (const char *readOnly : {"info", "files"}) {
        fs::permissions(trash() / readOnly, fs::perms::owner_read | fs::perms::owner_exec);
        const TrashResult result = MoveToTrash(photo);
        fs::permissions(trash() / readOnly, fs::perms::owner_all);
        EXPECT_EQ(result.outcome, TrashOutcome::failed) << readOnly;
        EXPECT_FALSE(result.error.empty());
        EXPECT_TRUE(fs::exists(photo));
        EXPECT_EQ(Entries(trash() / "info"), 0u) << readOnly;
    }
}

TEST_F(TrashTest, WithoutXdgDataHomeTheTrashIsBelowHome)
{
    const testing::ScopedVariable noDataHome("XDG_DATA_HOME", "");
    const testing::ScopedVariable home("HOME", (m_dir / "home").string());
    const TrashResult result = MoveToTrash(Write("photos/a.jpg", "x"));
    ASSERT_EQ(result.outcome, TrashOutcome::trashed) << result.error;
    EXPECT_TRUE(fs::exists(m_dir / "home/.local/share/Trash/files/a.jpg"));
}

TEST_F(TrashTest, AnotherFileSystemUsesTheTrashAtItsTop)
{
    testing::SecondFileSystemTrash second;
    if (!second.usable())
        GTEST_SKIP() << "no second writable file system with free trash folders at /dev/shm";
    const testing::ScratchDirectory photos(second.top(), "pagoranto-trash-");
    const std::string relative = photos.path().filename().string() + "/a%20b.jpg";
    const auto writePhoto = [&] {
        EXPECT_TRUE(WriteFileBytes(photos.file("a b.jpg"), "x"));
        return photos.file("a b.jpg");
    };

    // A user trash folder that is a link may lead anywhere: no trash then.
    fs::create_directories(m_dir / "elsewhere");
    fs::create_directory_symlink(m_dir / "elsewhere", second.userTrash());
    const TrashResult linked = MoveToTrash(writePhoto());
    EXPECT_EQ(linked.outcome, TrashOutcome::noTrash);
    EXPECT_NE(linked.error.find(second.top().string()), std::string::npos) << linked.error;
    EXPECT_TRUE(fs::exists(photos.file("a b.jpg")));
    EXPECT_EQ(Entries(m_dir / "elsewhere"), 0u);
    fs::remove(second.userTrash());

    ASSERT_EQ(MoveToTrash(writePhoto()).outcome, TrashOutcome::trashed);
    EXPECT_EQ(fs::status(second.userTrash()).permissions(), fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(second.userTrash() / "files" / "a b.jpg"));
    EXPECT_EQ(InfoPath(Info(second.userTrash(), "a b.jpg")), relative);
    EXPECT_FALSE(fs::exists(trash()));

    // An administrator's sticky ".Trash" takes a folder per user; one without the sticky bit
    // does not.
    fs::create_directory(second.sharedTrash());
    fs::permissions(second.sharedTrash(), fs::perms::all);
    ASSERT_EQ(MoveToTrash(writePhoto()).outcome, TrashOutcome::trashed);
    EXPECT_TRUE(fs::exists(second.userTrash() / "files" / "a b.2.jpg"));
    fs::permissions(second.sharedTrash(), fs::perms::all | fs::perms::sticky_bit);
    ASSERT_EQ(MoveToTrash(writePhoto()).outcome, TrashOutcome::trashed);
    const fs::path perUser = second.sharedTrash() / std::to_string(::getuid());
    EXPECT_TRUE(fs::exists(perUser / "files" / "a b.jpg"));
    EXPECT_EQ(InfoPath(Info(perUser, "a b.jpg")), relative);
}

} // namespace
} // namespace pagoranto
