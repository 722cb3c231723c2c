#include "core/publish/publishtarget.h"
#include "tests/support/gtesthelpers.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

TEST(DestinationTest, RemoteWhenAColonComesBeforeAnySlash)
{
    const ParsedDestination remote = ParseDestination(" anna@example.org:www/gallery ");
    ASSERT_TRUE(remote.destination) << remote.error;
    EXPECT_TRUE(remote.destination->remote);
    EXPECT_EQ(remote.destination->host, "anna@example.org");
    EXPECT_EQ(remote.destination->path, "www/gallery");

    const ParsedDestination local = ParseDestination("/mnt/web/a:b");
    ASSERT_TRUE(local.destination);
    EXPECT_FALSE(local.destination->remote);
    EXPECT_EQ(local.destination->path, "/mnt/web/a:b");

    // A relative folder that begins with "-" cannot be read as an option once it is absolute.
    const ParsedDestination dash = ParseDestination("-n");
    ASSERT_TRUE(dash.destination);
    EXPECT_EQ(dash.destination->path.front(), '/');
}

TEST(DestinationTest, WhatCouldBeReadAsAnOptionOrADaemonIsRefused)
{
    for (const char *refused : {"", "   ", "-oProxyCommand=evil:x", "host:-rf", "host::module",
                                "rsync://host/module", "user@:x", "@host:x", "a b:x", "host:a\nb"})
        EXPECT_FALSE(ParseDestination(refused).destination) << refused;
}

class PublishTargetTest : public testing::ScratchDirectoryTest {};

TEST_F(PublishTargetTest, EachGalleryFolderKeepsItsOwnTarget)
{
    const std::string settings = m_dir.string();
    EXPECT_FALSE(LoadPublishTarget(settings, "/photos/a"));
    ASSERT_TRUE(SavePublishTarget(settings, "/photos/a/", {"me@host:a", true}));
    ASSERT_TRUE(SavePublishTarget(settings, "/photos/b\tc\nd", {"/mnt/b", false}));
    ASSERT_TRUE(SavePublishTarget(settings, "/photos/./a", {"me@host:new", false}));

    EXPECT_EQ(LoadPublishTarget(settings, "/photos/a"), (PublishTarget{"me@host:new", false}));
    EXPECT_EQ(LoadPublishTarget(settings, "/photos/b\tc\nd"), (PublishTarget{"/mnt/b", false}));
    const std::string stored = readBytes("publishtargets.txt");
    EXPECT_EQ(std::count(stored.begin(), stored.end(), '\n'), 2);
}

TEST_F(PublishTargetTest, AnUnwritableSettingsFolderIsReported)
{
    EXPECT_FALSE(SavePublishTarget((m_dir / "missing").string(), "/photos", {"/mnt", false}));
}

} // namespace
} // namespace pagoranto
