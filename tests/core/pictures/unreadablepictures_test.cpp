#include "core/pictures/pictureheadercache.h"
#include "core/pictures/unreadablepictures.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using Names = std::vector<std::string>;

class UnreadablePicturesTest : public testing::ScratchDirectoryTest {
protected:
    std::string dir() const { return m_dir.string() + "/"; }
};

TEST_F(UnreadablePicturesTest, NamesThePicturesWithoutAReadableSizeOnceInListOrder)
{
    const std::string jpeg = testing::MakeJpeg(testing::GradientPicture(64, 48));
    Write("good.jpg", jpeg);
    Write("turned.jpg", testing::WithExifOrientation(jpeg, 6));
    // Cut off in the picture data: the header still gives the size, so pages are right.
    Write("cut in data.jpg", jpeg.substr(0, jpeg.size() - 40));
    Write("cut in header.jpg", jpeg.substr(0, 20));
    Write("empty.jpg", "");
    Write("text.jpg", "no picture at all");
    Write("damaged.jpg", testing::DamagedJpeg());

    PictureHeaderCache headers;
    const Names listed{"text.jpg",        "good.jpg",   "cut in header.jpg",
                       "missing.jpg",     "turned.jpg", "empty.jpg",
                       "cut in data.jpg", "text.jpg",   "damaged.jpg"};
    EXPECT_EQ(UnreadablePictures(dir(), listed, headers),
              (Names{"text.jpg", "cut in header.jpg", "missing.jpg", "empty.jpg", "damaged.jpg"}));
    EXPECT_EQ(UnreadablePictures(dir(), {}, headers), Names{});
}

TEST_F(UnreadablePicturesTest, AnswersFromTheRunsHeaders)
{
    Write("late.jpg", "not yet a picture");
    PictureHeaderCache headers;
    ASSERT_EQ(headers.DisplayedPictureSize(dir() + "late.jpg"), std::nullopt);
    // The pages of the run were made with what the cache read; the list must agree with them.
    Write("late.jpg", testing::MakeJpeg(testing::GradientPicture(8, 8)));
    EXPECT_EQ(UnreadablePictures(dir(), {"late.jpg"}, headers), Names{"late.jpg"});
    PictureHeaderCache nextRun;
    EXPECT_EQ(UnreadablePictures(dir(), {"late.jpg"}, nextRun), Names{});
}

TEST(UnreadablePicturesText, NamesTheFirstFiveAndCountsTheRest)
{
    EXPECT_EQ(UnreadablePicturesText({}), "");
    EXPECT_EQ(UnreadablePicturesText({"a.jpg"}), "1 picture could not be read: a.jpg");
    EXPECT_EQ(UnreadablePicturesText({"a.jpg", "b.jpg", "c.jpg"}),
              "3 pictures could not be read: a.jpg, b.jpg, c.jpg");
    EXPECT_EQ(UnreadablePicturesText({"1", "2", "3", "4", "5"}),
              "5 pictures could not be read: 1, 2, 3, 4, 5");
    EXPECT_EQ(UnreadablePicturesText({"1", "2", "3", "4", "5", "6", "7"}),
              "7 pictures could not be read: 1, 2, 3, 4, 5 and 2 more");
}

} // namespace
} // namespace pagoranto
