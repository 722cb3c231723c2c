#include "core/pictures/fitpiclist.h"
#include "core/pictures/picturelistmoves.h"
#include "core/pictures/picturenameorder.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pagoranto {
namespace {

using Names = std::vector<std::string>;
using Move = std::function<int(Names &, int)>;

struct MoveRow {
    const char *name;
    Move move;
    Names list;
    int selected;
    Names expected;
    int expectedSelected;
};

class PictureListMoves : public ::testing::TestWithParam<MoveRow> {};

TEST_P(PictureListMoves, MovesTheSelectedEntry)
{
    const MoveRow &row = GetParam();
    Names list = row.list;
    EXPECT_EQ(row.move(list, row.selected), row.expectedSelected);
    EXPECT_EQ(list, row.expected);
}

const Names abcd = {"a", "b", "c", "d"};

INSTANTIATE_TEST_SUITE_P(
    Rows, PictureListMoves,
    ::testing::Values(
        MoveRow{"previous_swaps_with_the_one_above",
                MoveToPreviousPosition,
                abcd,
                2,
                {"a", "c", "b", "d"},
                1},
        MoveRow{"previous_of_the_first_does_nothing", MoveToPreviousPosition, abcd, 0, abcd, 0},
        MoveRow{
            "next_swaps_with_the_one_below", MoveToNextPosition, abcd, 1, {"a", "c", "b", "d"}, 2},
        MoveRow{"next_of_the_last_does_nothing", MoveToNextPosition, abcd, 3, abcd, 3},
        MoveRow{"first_shifts_the_ones_above_down",
                MoveToFirstPosition,
                abcd,
                2,
                {"c", "a", "b", "d"},
                0},
        MoveRow{"first_of_the_first_does_nothing", MoveToFirstPosition, abcd, 0, abcd, 0},
        MoveRow{
            "last_shifts_the_ones_below_up", MoveToLastPosition, abcd, 1, {"a", "c", "d", "b"}, 3},
        MoveRow{"last_of_the_last_does_nothing", MoveToLastPosition, abcd, 3, abcd, 3},
        MoveRow{"last_with_a_single_entry_does_nothing", MoveToLastPosition, {"a"}, 0, {"a"}, 0},
        MoveRow{"nothing_selected_does_nothing", MoveToNextPosition, abcd, -1, abcd, -1},
        MoveRow{"selection_past_the_end_does_nothing", MoveToFirstPosition, abcd, 4, abcd, 4},
        MoveRow{"empty_list_does_nothing", MoveToPreviousPosition, {}, 0, {}, 0}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(FitPiclistToTemplate, RepeatsTheLastPictureUpToTheNextFullPage)
{
    Names list;
    for (int i = 1; i <= 14; ++i)
        list.push_back("p" + std::to_string(i) + ".jpg");
    EXPECT_EQ(FitPiclistToTemplate(list, 12), 10u);
    ASSERT_EQ(list.size(), 24u);
    EXPECT_EQ(list[13], "p14.jpg");
    EXPECT_EQ(list[23], "p14.jpg");
    EXPECT_EQ(list[12], "p13.jpg");
}

TEST(FitPiclistToTemplate, LeavesListsThatNeedNoFillingAlone)
{
    Names full = {"a", "b", "c", "d"};
    EXPECT_EQ(FitPiclistToTemplate(full, 2), 0u);
    EXPECT_EQ(full.size(), 4u);
    Names empty;
    EXPECT_EQ(FitPiclistToTemplate(empty, 5), 0u);
    EXPECT_TRUE(empty.empty());
    Names noTemplate = {"a"};
    EXPECT_EQ(FitPiclistToTemplate(noTemplate, 0), 0u);
    EXPECT_EQ(noTemplate.size(), 1u);
}

TEST(SortPictureNames, IgnoresLetterCaseExceptBetweenEqualNames)
{
    Names names = {"b.jpg", "A.jpg", "a.jpg", "C.JPG", "_x.jpg"};
    SortPictureNames(names);
    EXPECT_EQ(names, (Names{"_x.jpg", "A.jpg", "a.jpg", "b.jpg", "C.JPG"}));

    // A name that is the start of another comes first; "[" lies between "Z" and "a", and a byte
    // past ASCII after every letter; only letters A..Z are folded.
    names = {"\xC4.jpg", "Ab.jpg", "a.jpg", "a", "[.jpg", "Z.jpg", "\xE4.jpg", "aB.jpg"};
    SortPictureNames(names);
    EXPECT_EQ(names,
              (Names{"[.jpg", "a", "a.jpg", "Ab.jpg", "aB.jpg", "Z.jpg", "\xC4.jpg", "\xE4.jpg"}));
}

} // namespace
} // namespace pagoranto
