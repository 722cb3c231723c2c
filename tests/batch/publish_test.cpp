// Publishes the sample gallery, made by the real pagoranto-batch, to an sshd of the test's own on
// 127.0.0.1 and to local folders.
#include "core/publish/publishedfiles.h"
#include "core/publish/publisher.h"
#include "core/text/linefile.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/recordingevents.h"
#include "tests/support/sshdserver.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/wait.h>

namespace pagoranto {
namespace {

using namespace pagoranto::testing;
namespace fs = std::filesystem;

class ScriptedPublishView : public PublishView {
public:
    void ShowPublishProgress(const PublishProgress &progress) override
    {
        last = progress;
        if (onProgress)
            onProgress(progress);
    }
    bool PublishStopRequested() override { return stop; }
    bool ConfirmStaleRemoval(const std::vector<std::string> &files) override
    {
        asked = files;
        return removeStale;
    }

    PublishProgress last;
    std::function<void(const PublishProgress &)> onProgress;
    bool stop = false;
    bool removeStale = false;
    std::vector<std::string> asked;
};

// Every regular file below root, relative and "/"-separated, hidden ones included.
std::set<std::string> FilesBelow(const fs::path &root)
{
    std::set<std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error))
        if (it->is_regular_file())
            files.insert(fs::relative(it->path(), root).generic_string());
    return files;
}

class PublishTest : public ScratchDirectoryTest {
protected:
    void SetUp() override
    {
        ScratchDirectoryTest::SetUp();
        fs::copy(programFolder / "samples", pictures);
        MakeGallery();
    }

    void MakeGallery()
    {
        const std::string command =
            "timeout 60 '" + std::string(PAGORANTO_BATCH) + "' --home '" +
            (m_dir / "home").string() + "' --pictures '" + pictures.string() + "' --template '" +
            (programFolder / "layouts" / "picture.html").string() + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    PublishRequest Request(const std::string &destination) const
    {
        PublishRequest request;
        request.galleryFolder = pictures.string();
        request.target.destination = destination;
        request.timeoutSeconds = 10;
        return request;
    }

    PublishResult PublishTo(const PublishRequest &request)
    {
        return Publish(request, view, events);
    }

    // The published files are on the other side byte for byte, and nothing else is.
    void ExpectMirror(const fs::path &server) const
    {
        const std::vector<std::string> published = ListPublishedFiles(pictures.string()).files;
        EXPECT_EQ(FilesBelow(server), std::set<std::string>(published.begin(), published.end()));
        for (const std::string &file : published)
            EXPECT_EQ(ReadFileBytes(server / file), ReadFileBytes(pictures / file)) << file;
    }

    const fs::path programFolder = fs::path(PAGORANTO_BATCH).parent_path();
    const fs::path pictures = m_dir / "pics";
    ScriptedPublishView view;
    RecordingEvents events;
};

class SshPublishTest : public PublishTest {
protected:
    void SetUp() override
    {
        if (!server.available())
            GTEST_SKIP() << "no sshd of our own: " << server.problem();
        PublishTest::SetUp();
        fs::create_directories(serverFolder.parent_path());
    }

    PublishRequest SshRequest(const std::string &shell) const
    {
        PublishRequest request = Request(server.Destination(serverFolder.string()));
        request.remoteShell = shell;
        return request;
    }

    SshdServer server;
    const fs::path serverFolder = m_dir / "server" / "gallery";
};

TEST_F(SshPublishTest, OnlyWhatChangedTravels)
{
    const PublishResult first = PublishTo(SshRequest(server.RemoteShell()));
    ASSERT_EQ(first.failure, PublishFailure::none) << first.message << server.Log();
    ExpectMirror(serverFolder);
    EXPECT_FALSE(fs::exists(serverFolder / "description.desc"));
    EXPECT_EQ(first.filesSent, ListPublishedFiles(pictures.string()).files.size());
    EXPECT_GT(view.last.bytesSent, 0u);

    const PublishResult unchanged = PublishTo(SshRequest(server.RemoteShell()));
    ASSERT_EQ(unchanged.failure, PublishFailure::none) << unchanged.message;
    EXPECT_EQ(unchanged.filesSent, 0u);
    EXPECT_TRUE(unchanged.sentFiles.empty());

    std::string descriptions = ReadFileBytes(pictures / "description.desc").value();
    descriptions.replace(descriptions.find("lit before"), 10, "lit long before");
    ASSERT_TRUE(WriteFileBytes(pictures / "description.desc", descriptions));
    MakeGallery();
    const PublishResult described = PublishTo(SshRequest(server.RemoteShell()));
    ASSERT_EQ(described.failure, PublishFailure::none) << described.message;
    EXPECT_EQ(described.sentFiles, std::vector<std::string>{"page0004.html"});
    ExpectMirror(serverFolder);
}

TEST_F(SshPublishTest, ACutConnectionLeavesNoPartFileUnderAFinalNameAndTheNextPublishCompletes)
{
    PublishRequest slow = SshRequest(server.RemoteShell());
    slow.extraRsyncArguments = {"--bwlimit=40"};
    bool cut = false;
    view.onProgress = [&](const PublishProgress &progress) {
        if (!cut && progress.bytesSent > 60000) {
            server.CutConnections();
            cut = true;
        }
    };
    const PublishResult broken = PublishTo(slow);
    ASSERT_TRUE(cut);
    EXPECT_EQ(broken.failure, PublishFailure::connectionLost) << broken.message;
    EXPECT_NE(broken.message.find("publish again"), std::string::npos) << broken.message;
    for (const std::string &file : FilesBelow(serverFolder)) {
        if (file.front() != '.' && file.find("/.") == std::string::npos) {
            EXPECT_EQ(ReadFileBytes(serverFolder / file), ReadFileBytes(pictures / file)) << file;
        }
    }

    view.onProgress = nullptr;
    const PublishResult completed = PublishTo(SshRequest(server.RemoteShell()));
    ASSERT_EQ(completed.failure, PublishFailure::none) << completed.message;
    // No part file or hidden folder is left behind either.
    ExpectMirror(serverFolder);
}

TEST_F(SshPublishTest, LoginAndConnectionFailuresSayWhatHappened)
{
    const PublishResult stranger = PublishTo(SshRequest(server.StrangerRemoteShell()));
    EXPECT_EQ(stranger.failure, PublishFailure::loginRefused) << stranger.message;
    EXPECT_NE(stranger.message.find("refused the login"), std::string::npos);

    std::string unknownHost = server.RemoteShell();
    unknownHost.replace(unknownHost.find("UserKnownHostsFile="), std::string::npos,
                        "UserKnownHostsFile=/dev/null");
    const PublishResult unknown = PublishTo(SshRequest(unknownHost));
    EXPECT_EQ(unknown.failure, PublishFailure::hostKeyUnknown) << unknown.message;

    std::string closedPort = server.RemoteShell();
    const std::string port = "-p " + std::to_string(server.port());
    closedPort.replace(closedPort.find(port), port.size(),
                       "-p " + std::to_string(FreeLoopbackPort()));
    const PublishResult unreachable = PublishTo(SshRequest(closedPort));
    EXPECT_EQ(unreachable.failure, PublishFailure::hostUnreachable) << unreachable.message;
    EXPECT_FALSE(fs::exists(serverFolder));
}

TEST_F(SshPublishTest, BatchPublishesAloneAndExitsWithSixWhenItFails)
{
    const auto runBatch = [&](const std::string &shell) {
        const std::string command =
            "RSYNC_RSH='" + shell + "' timeout 60 '" + std::string(PAGORANTO_BATCH) + "' --home '" +
            (m_dir / "home").string() + "' --pictures '" + pictures.string() + "' --publish '" +
            server.Destination(serverFolder.string()) + "' </dev/null >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(runBatch(server.StrangerRemoteShell()), 6);
    EXPECT_FALSE(LoadPublishTarget((m_dir / "home").string(), pictures.string()));
    EXPECT_EQ(runBatch(server.RemoteShell()), 0);
    ExpectMirror(serverFolder);
    const auto remembered = LoadPublishTarget((m_dir / "home").string(), pictures.string());
    ASSERT_TRUE(remembered);
    EXPECT_EQ(remembered->destination, server.Destination(serverFolder.string()));
}

TEST_F(PublishTest, StaleFilesOnTheServerAreListedAndRemovedOnlyWhenConfirmed)
{
    const fs::path folder = m_dir / "mounted";
    PublishRequest request = Request(folder.string());
    ASSERT_EQ(PublishTo(request).failure, PublishFailure::none);
    fs::create_directories(folder / "old");
    ASSERT_TRUE(WriteFileBytes(folder / "old" / "page0009.html", "old"));
    ASSERT_TRUE(WriteFileBytes(folder / "notes.txt", "mine"));

    const PublishResult kept = PublishTo(request);
    EXPECT_EQ(kept.failure, PublishFailure::none);
    EXPECT_TRUE(view.asked.empty());
    EXPECT_TRUE(fs::exists(folder / "notes.txt"));

    request.target.removeStale = true;
    const PublishResult declined = PublishTo(request);
    EXPECT_EQ(declined.failure, PublishFailure::none);
    EXPECT_EQ(std::set<std::string>(view.asked.begin(), view.asked.end()),
              (std::set<std::string>{"notes.txt", "old/", "old/page0009.html"}));
    EXPECT_TRUE(fs::exists(folder / "notes.txt"));

    view.removeStale = true;
    const PublishResult removed = PublishTo(request);
    EXPECT_EQ(removed.failure, PublishFailure::none) << removed.message;
    ExpectMirror(folder);
    EXPECT_FALSE(fs::exists(folder / "old"));
}

TEST_F(PublishTest, StopEndsTheTransferAndTheNextPublishCompletesIt)
{
    const fs::path folder = m_dir / "mounted";
    PublishRequest slow = Request(folder.string());
    slow.extraRsyncArguments = {"--bwlimit=40"};
    view.onProgress = [&](const PublishProgress &progress) {
        if (progress.bytesSent > 0)
            view.stop = true;
    };
    const PublishResult stopped = PublishTo(slow);
    EXPECT_EQ(stopped.failure, PublishFailure::stopped);

    view.stop = false;
    view.onProgress = nullptr;
    ASSERT_EQ(PublishTo(Request(folder.string())).failure, PublishFailure::none);
    ExpectMirror(folder);
}

TEST_F(PublishTest, UnusableDestinationsAndEmptyGalleriesAreRefusedBeforeRsyncStarts)
{
    EXPECT_EQ(PublishTo(Request("host::module")).failure, PublishFailure::badDestination);
    EXPECT_EQ(PublishTo(Request("-oProxyCommand=x:y")).failure, PublishFailure::badDestination);
    PublishRequest empty = Request((m_dir / "out").string());
    empty.galleryFolder = (m_dir / "home").string();
    EXPECT_EQ(PublishTo(empty).failure, PublishFailure::nothingToPublish);
    EXPECT_FALSE(fs::exists(m_dir / "out"));
}

} // namespace
} // namespace pagoranto
