#include "core/pictures/picturedamage.h"
#include "core/pictures/progressivedcdecoder.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

class PictureDamageTest : public testing::ScratchDirectoryTest {
protected:
    // As the thumbnail list decodes its tiles.
    PictureCondition Condition(const std::string &name, std::string_view bytes)
    {
        return ConditionOf(DecodeDisplayedJpegFileAtEighth(Write(name, bytes)));
    }

    const std::string m_jpeg = testing::MakeJpeg(testing::NoisePicture(160, 120));
};

TEST_F(PictureDamageTest, FilesWithoutAPictureAreUnreadableWithTheReasonInPlainWords)
{
    const auto expectUnreadable = [](const PictureCondition &condition, const std::string &reason) {
        EXPECT_EQ(condition.damage, PictureDamage::unreadable);
        EXPECT_EQ(condition.reason, reason);
    };
    expectUnreadable(Condition("empty.jpg", ""), "The file is empty.");
    expectUnreadable(Condition("text.jpg", "just some text"), "The file is not a JPEG picture.");
    expectUnreadable(ConditionOf(DecodeDisplayedJpegFileAtEighth(file("missing.jpg"))),
                     "The file cannot be opened.");
    expectUnreadable(Condition("header.jpg", m_jpeg.substr(0, 30)),
                     "The file is cut off: it ends before the picture does.");

    // A complaint without plain words keeps the decoder's own, so it can still be looked up.
    const JpegDecodeResult odd{std::nullopt, "Bogus marker length", ""};
    expectUnreadable(ConditionOf(odd), "The picture data are damaged (Bogus marker length).");
}

TEST_F(PictureDamageTest, PicturesWithMissingPartsArePartlyDamaged)
{
    const PictureCondition cut = Condition("cut.jpg", m_jpeg.substr(0, m_jpeg.size() / 2));
    EXPECT_EQ(cut.damage, PictureDamage::partly);
    EXPECT_EQ(cut.reason, "The file is cut off: it ends before the picture does.");

    JpegEncodeOptions progressive;
    progressive.progressive = true;
    const std::string layered = testing::MakeJpeg(testing::NoisePicture(320, 240), progressive);
    EXPECT_EQ(Condition("layers.jpg", layered.substr(0, layered.size() / 2)).damage,
              PictureDamage::partly);
}

TEST_F(PictureDamageTest, IntactPicturesAndStrayBytesBetweenSegmentsAreNoDamage)
{
    const PictureCondition intact = Condition("intact.jpg", m_jpeg);
    EXPECT_EQ(intact.damage, PictureDamage::none);
    EXPECT_EQ(intact.reason, "");
    // The decoder complains about the bytes, but skips them and loses nothing of the picture.
    const std::string stray = m_jpeg.substr(0, 2) + "ab" + m_jpeg.substr(2);
    const JpegDecodeResult decoded = DecodeJpegBytes(stray);
    ASSERT_NE(decoded.warning, "");
    EXPECT_EQ(ConditionOf(decoded).damage, PictureDamage::none);
}

} // namespace
} // namespace pagoranto
