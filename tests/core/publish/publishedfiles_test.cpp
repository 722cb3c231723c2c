#include "core/publish/publishedfiles.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;
using Files = std::vector<std::string>;

class PublishedFilesTest : public testing::ScratchDirectoryTest {
protected:
    void SetUp() override
    {
        ScratchDirectoryTest::SetUp();
        fs::create_directories(gallery / "thumbnails");
        fs::create_directories(gallery / "web");
    }
    void Put(const std::string &name, std::string_view bytes = "x")
    {
        Write("site/gallery/" + name, bytes);
    }
    PublishedFiles List() const { return ListPublishedFiles(gallery.string()); }

    const fs::path gallery = m_dir / "site" / "gallery";
};

TEST_F(PublishedFilesTest, PagesAndWhatTheyLinkAreSentButNothingElse)
{
    Put("index.html", R"(<link href="strip.css" rel=stylesheet><a href="page0002.html">)"
                      R"(<img src="thumbnails/a.jpg"><a href="https://example.com/">)");
    Put("page0002.html", R"(<img src="web/a.jpg"><a href="a.jpg">original</a>)");
    Put("strip.css", "body{background:url(img/ground.png)}");
    fs::create_directories(gallery / "img");
    for (const char *name : {"img/ground.png", "thumbnails/a.jpg", "web/a.jpg", "a.jpg"})
        Put(name);
    for (const char *stray :
         {"description.desc", "order.qvlist", "b.jpg", "web/b.jpg", "notes.txt"})
        Put(stray);

    EXPECT_EQ(List().files, (Files{"a.jpg", "img/ground.png", "index.html", "page0002.html",
                                   "strip.css", "thumbnails/a.jpg", "web/a.jpg"}));
}

TEST_F(PublishedFilesTest, LinksLeavingTheGalleryAreNamedNotSent)
{
    Write("site/secret.txt", "s");
    fs::create_symlink(m_dir / "site" / "secret.txt", gallery / "linked.jpg");
    Put("index.html", R"(<img src="../secret.txt"><img src="/logo.png"><img src="linked.jpg">)"
                      R"(<img src="sub/../../secret.txt"><img src="gone.jpg">)");

    const PublishedFiles files = List();
    EXPECT_EQ(files.files, (Files{"index.html"}));
    EXPECT_EQ(files.outside,
              (Files{"../secret.txt", "/logo.png", "linked.jpg", "sub/../../secret.txt"}));
    EXPECT_EQ(files.missing, (Files{"gone.jpg"}));
}

TEST_F(PublishedFilesTest, PagesLinkingEachOtherInACircleAreReadOnce)
{
    Put("index.html", R"(<a href="sub/">)");
    fs::create_directories(gallery / "sub");
    Put("sub/index.html", R"(<a href="../index.html"><a href="../index.html#top">)");
    EXPECT_EQ(List().files, (Files{"index.html", "sub/index.html"}));
}

TEST_F(PublishedFilesTest, AFolderWithoutPagesPublishesNothing)
{
    Put("a.jpg");
    EXPECT_TRUE(List().files.empty());
    EXPECT_TRUE(ListPublishedFiles((m_dir / "nowhere").string()).files.empty());
}

} // namespace
} // namespace pagoranto
