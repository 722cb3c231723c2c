#include "core/pictures/previewsize.h"
#include "tests/support/gtesthelpers.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

struct PreviewRow {
    const char *name;
    PixelSize picture;
    PixelSize shown;
};

class PicturePreview : public ::testing::TestWithParam<PreviewRow> {};

TEST_P(PicturePreview, FitsWidthForLandscapeElseHeight)
{
    EXPECT_EQ(PicturePreviewSize(GetParam().picture), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PicturePreview,
    ::testing::Values(PreviewRow{"landscape_4x3", {640, 480}, {317, 238}},
                      PreviewRow{"portrait_3x4", {300, 400}, {165, 220}},
                      PreviewRow{"square_counts_as_portrait", {500, 500}, {220, 220}},
                      PreviewRow{"small_landscape_is_enlarged", {300, 100}, {317, 106}},
                      // 317 / 2 = 158.5 and 220 * 1.5 / 4 = 82.5: halves go to even.
                      PreviewRow{"half_height_rounds_to_even", {634, 317}, {317, 158}},
                      PreviewRow{"half_width_rounds_to_even", {3, 8}, {82, 220}},
                      PreviewRow{"no_height_keeps_size", {10, 0}, {10, 0}}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(PreviewDecodeScale, StrongestReductionStillLargeEnough)
{
    EXPECT_EQ(PreviewDecodeScale({4000, 3000}, {317, 238}), JpegScale::eighth);
    EXPECT_EQ(PreviewDecodeScale({1600, 1200}, {317, 238}), JpegScale::quarter);
    EXPECT_EQ(PreviewDecodeScale({640, 480}, {317, 238}), JpegScale::half);
    EXPECT_EQ(PreviewDecodeScale({200, 100}, {317, 158}), JpegScale::full);
    // 2530 / 8 rounds up to 317.
    EXPECT_EQ(PreviewDecodeScale({2530, 1900}, {317, 238}), JpegScale::eighth);
}

} // namespace
} // namespace pagoranto
