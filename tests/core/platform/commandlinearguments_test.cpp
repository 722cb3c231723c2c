#include "core/platform/commandlinearguments.h"

#include <gtest/gtest.h>
#include <ostream>

namespace pagoranto {
namespace {

struct SplitRow {
    const char *name;
    const char *parameters;
    std::vector<std::string> arguments;
};

void PrintTo(const SplitRow &row, std::ostream *out)
{
    *out << row.name;
}

class SplitCommandLineArgumentsTest : public ::testing::TestWithParam<SplitRow> {};

TEST_P(SplitCommandLineArgumentsTest, SplitsLikeTheWindowsRuntime)
{
    EXPECT_EQ(SplitCommandLineArguments(GetParam().parameters), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SplitCommandLineArgumentsTest,
    ::testing::Values(
        SplitRow{"EmptyText", "", {}}, SplitRow{"OnlyBlanks", " \t  ", {}},
        SplitRow{"BlanksAndTabsSeparate", "  ? 2\t3   4 5 1 ", {"?", "2", "3", "4", "5", "1"}},
        SplitRow{"QuotesGroup", "\"a b\" c", {"a b", "c"}},
        SplitRow{"QuotedPartInsideArgument", "x\"a b\"y z", {"xa by", "z"}},
        SplitRow{"EmptyQuotesAreAnEmptyArgument", "a \"\" b", {"a", "", "b"}},
        SplitRow{"EscapedQuote", "a\\\"b", {"a\"b"}},
        SplitRow{"EscapedQuoteInsideQuotes", "\"a\\\"b c\"", {"a\"b c"}},
        SplitRow{"DoubledQuoteInsideQuotesStaysQuoted", "\"a\"\"b c\" d", {"a\"b c", "d"}},
        SplitRow{"DoubledQuoteOutsideQuotesIsEmpty", "a\"\"b", {"ab"}},
        SplitRow{"BackslashesWithoutQuoteStay", "C:\\dir\\ a\\\\b", {"C:\\dir\\", "a\\\\b"}},
        SplitRow{"TrailingBackslashes", "a\\\\", {"a\\\\"}},
        SplitRow{"EvenBackslashesBeforeQuote", "\"a\\\\\" b", {"a\\", "b"}},
        SplitRow{"OddBackslashesBeforeQuote", "a\\\\\\\"b", {"a\\\"b"}},
        SplitRow{"QuoteThenPathIsOneArgument",
                 "\"/home/me/my pictures/page 1.html",
                 {"/home/me/my pictures/page 1.html"}},
        SplitRow{"LoneQuoteIsOneEmptyArgument", "\"", {""}},
        SplitRow{"NewlineDoesNotSeparate", "a\nb", {"a\nb"}}),
    [](const ::testing::TestParamInfo<SplitRow> &row) { return std::string(row.param.name); });

} // namespace
} // namespace pagoranto
