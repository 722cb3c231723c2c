#include "core/generator/webpictures.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegsize.h"
#include "core/pictures/pictureheadercache.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/recordingevents.h"

#include <chrono>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using namespace pagoranto::testing;
namespace fs = std::filesystem;

class WebPicturesTest : public ScratchDirectoryTest {
protected:
    void SetUp() override
    {
        ScratchDirectoryTest::SetUp();
        fs::create_directories(m_dir / "pics");
        job.pictureDir = (m_dir / "pics").string() + "/";
        job.webDirectory = (m_dir / "web").string() + "/";
        job.options.WebSizePictures = true;
        job.options.WebSizeWidth = 40;
        job.options.WebSizeHeight = 30;
        // A photo with a comment of its own, which its copy keeps after our stamp.
        JpegEncodeOptions commented;
        commented.comment = "Holiday at the sea";
        Write("pics/wide.jpg", MakeJpeg(GradientPicture(160, 120), commented));
        // Stored lying on its side: shown 96 x 128, the stored top (red) at the left.
        Write("pics/turned.jpg", WithExifOrientation(MakeJpeg(RedOverBluePicture(128, 96)), 8));
        Write("pics/small.jpg", MakeJpeg(GradientPicture(32, 24)));
        Write("pics/cut.jpg", DamagedJpeg());
        job.pictures = {"wide.jpg", "turned.jpg", "small.jpg", "cut.jpg"};
    }

    WebPictures Make(const std::function<bool(std::size_t, std::size_t)> &progress = {})
    {
        PictureHeaderCache headers;
        return MakeWebPictures(
            job, headers, events,
            progress ? progress : [](std::size_t, std::size_t) { return true; });
    }

    fs::path Copy(const std::string &name) const { return m_dir / "web" / name; }

    WebPictureJob job;
    RecordingEvents events;
};

TEST_F(WebPicturesTest, PhotosLargerThanTheBoxGetAnUprightCopyTheOthersAreShownAsTheyAre)
{
    const WebPictures made = Make();
    EXPECT_EQ(made.made, 2u);
    EXPECT_EQ(made.smallEnough, 1u);
    ASSERT_EQ(made.problems.size(), 1u);
    EXPECT_TRUE(made.problems[0].starts_with("cut.jpg: ")) << made.problems[0];
    EXPECT_EQ(made.copies.at("wide.jpg"), (PixelSize{40, 30}));
    // Not landscape: the box height, the width at the photo's ratio.
    EXPECT_EQ(made.copies.at("turned.jpg"), (PixelSize{22, 30}));
    EXPECT_EQ(made.copies.count("small.jpg"), 0u);
    EXPECT_FALSE(fs::exists(Copy("small.jpg")));
    EXPECT_EQ(ReadJpegSize(Copy("wide.jpg")), (PixelSize{40, 30}));

    const JpegDecodeResult turned = DecodeJpegFile(Copy("turned.jpg"));
    ASSERT_TRUE(turned);
    ASSERT_EQ(turned.image->width, 22);
    const std::uint8_t *left = &turned.image->rgb[(15 * 22 + 2) * 3];
    const std::uint8_t *right = &turned.image->rgb[(15 * 22 + 19) * 3];
    EXPECT_GT(left[0], 200) << "red at the left";
    EXPECT_GT(right[2], 200) << "blue at the right";
    EXPECT_TRUE(ReadJpegComment(Copy("wide.jpg"))->starts_with("pagoranto-web 1; box 40x30"));
    EXPECT_NE(readBytes("web/wide.jpg").find("Holiday at the sea"), std::string::npos);
}

TEST_F(WebPicturesTest, ARunOverUnchangedPhotosOnlyLooksAndAChangedPhotoRemakesItsCopyAlone)
{
    Make();
    const auto writtenAt = [this](const char *name) { return fs::last_write_time(Copy(name)); };
    const auto wide = writtenAt("wide.jpg");
    const auto turned = writtenAt("turned.jpg");

    WebPictures again = Make();
    EXPECT_EQ(again.made, 0u);
    EXPECT_EQ(again.upToDate, 2u);
    EXPECT_EQ(again.copies.at("turned.jpg"), (PixelSize{22, 30}));
    EXPECT_EQ(writtenAt("wide.jpg"), wide);

    fs::last_write_time(m_dir / "pics" / "turned.jpg",
                        fs::last_write_time(m_dir / "pics" / "turned.jpg") +
                            std::chrono::seconds(2));
    again = Make();
    EXPECT_EQ(again.made, 1u);
    EXPECT_EQ(again.upToDate, 1u);
    EXPECT_EQ(writtenAt("wide.jpg"), wide);
    EXPECT_NE(writtenAt("turned.jpg"), turned);

    // Another box: every copy again.
    job.options.WebSizeWidth = 80;
    again = Make();
    EXPECT_EQ(again.made, 2u);
    EXPECT_EQ(again.copies.at("wide.jpg"), (PixelSize{80, 60}));
}

TEST_F(WebPicturesTest, AFileOfTheCopysNameThatWeDidNotMakeIsLeftAlone)
{
    fs::create_directories(m_dir / "web");
    const std::string usersOwn = MakeJpeg(GradientPicture(20, 10));
    Write("web/wide.jpg", usersOwn);
    const WebPictures made = Make();
    EXPECT_EQ(made.keptForeign, std::vector<std::string>{"wide.jpg"});
    EXPECT_EQ(made.copies.count("wide.jpg"), 0u) << "its pages show the photo";
    EXPECT_EQ(readBytes("web/wide.jpg"), usersOwn);
    EXPECT_EQ(made.made, 1u);
}

TEST_F(WebPicturesTest, StopEndsTheStepAfterTheCopiesInWorkAndAFolderLinkGetsNothing)
{
    for (int i = 0; i < 6; ++i) {
        const std::string name = "more" + std::to_string(i) + ".jpg";
        Write("pics/" + name, MakeJpeg(GradientPicture(160, 120)));
        job.pictures.push_back(name);
    }
    // A Stop before the step: nothing is made.
    const WebPictures stopped = Make([](std::size_t done, std::size_t total) {
        EXPECT_EQ(done, 0u);
        EXPECT_EQ(total, 8u);
        return false;
    });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.made, 0u);
    EXPECT_FALSE(fs::exists(Copy("wide.jpg")));

    // A Stop meanwhile: the copies in work are finished, each one whole.
    job.threadCount = 1;
    std::size_t calls = 0;
    const WebPictures partly = Make([&calls](std::size_t, std::size_t) { return ++calls < 3; });
    for (const auto &[name, size] : partly.copies)
        EXPECT_EQ(ReadJpegSize(Copy(name)), size) << name;

    const ScratchDirectory outside;
    fs::remove_all(m_dir / "web");
    fs::create_directory_symlink(outside.path(), m_dir / "web");
    const WebPictures linked = Make();
    EXPECT_EQ(linked.made, 0u);
    EXPECT_TRUE(fs::is_empty(outside.path()));
    EXPECT_EQ(linked.problems.size(), 9u);
}

} // namespace
} // namespace pagoranto
