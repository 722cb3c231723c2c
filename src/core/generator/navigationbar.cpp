#include "core/generator/navigationbar.h"

#include "core/generator/navigationlink.h"
#include "core/text/htmlescape.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pagoranto {
namespace {

constexpr std::string_view startMarker = "<!--NavStart-->";
constexpr std::string_view endMarker = "<!--Navend-->";

// Font size attribute of the current number for each item of RadioGroup1 ("8" .. "36").
std::string_view CurrentNumberFontSize(int radioIndex)
{
    static constexpr std::array<std::string_view, 7> sizes = {"-2", "-1", "",  "+1",
                                                              "+2", "+3", "+4"};
    if (radioIndex < 0 || radioIndex >= static_cast<int>(sizes.size()))
        return {};
    return sizes[static_cast<std::size_t>(radioIndex)];
}

std::string NumberLink(const std::vector<std::string> &pageNameList, int index)
{
    return PageLink(pageNameList[static_cast<std::size_t>(index)], std::to_string(index + 1));
}

} // namespace

std::string BuildNavigationBar(const std::vector<std::string> &pageNameList, int pageIndex,
                               const NavigationOptions &options)
{
    const int n = static_cast<int>(pageNameList.size());
    const int p = pageIndex;
    if (p < 0 || p >= n)
        return std::string(startMarker) + std::string(endMarker);

    const std::string separator = HtmlEscape(options.nav_edit_linkseparator);
    const std::string firstText = HtmlEscape(options.nav_edit_first);
    const std::string previousText = HtmlEscape(options.nav_edit_prev);
    const std::string nextText = HtmlEscape(options.nav_edit_next);
    const std::string lastText = HtmlEscape(options.nav_edit_last);

    // Clamped as the scroll bar clamps, so that a value from elsewhere cannot overflow below.
    const int w = std::clamp(options.ScrollBar1, 1, 15) / 2 + 1;
    const int before = std::min(w, p);

    std::string bar;
    std::string previousLink;
    for (int k = before; k >= 1; --k) {
        bar += NumberLink(pageNameList, p - k);
        bar += separator;
    }
    if (before > 0)
        previousLink =
            PageLink(pageNameList[static_cast<std::size_t>(p - 1)], previousText) + separator;

    const std::string_view fontSize = CurrentNumberFontSize(options.RadioGroup1);
    const std::string currentNumber = std::to_string(p + 1);
    if (fontSize.empty())
        bar += currentNumber;
    else
        bar += "<font size=" + std::string(fontSize) + ">" + currentNumber + "</font>";
    bar += separator;

    // Pages near the start get the numbers they lack before them after them instead.
    std::string nextLink;
    const int after = std::min(2 * w - before, n - 1 - p);
    for (int k = 1; k <= after; ++k) {
        bar += NumberLink(pageNameList, p + k);
        bar += separator;
    }
    if (after > 0)
        nextLink = PageLink(pageNameList[static_cast<std::size_t>(p + 1)], nextText) + separator;

    if (options.nav_use_prev)
        bar.insert(0, previousLink);
    if (options.nav_use_next)
        bar += nextLink;

    const std::string &currentName = pageNameList[static_cast<std::size_t>(p)];
    const std::string firstLink = pageNameList.front() == currentName
                                      ? std::string()
                                      : PageLink(pageNameList.front(), firstText);
    const std::string lastLink = pageNameList.back() == currentName
                                     ? std::string()
                                     : PageLink(pageNameList.back(), lastText);
    if (options.nav_use_first && !firstLink.empty())
        bar.insert(0, firstLink + separator);
    if (options.nav_use_last)
        bar += lastLink;

    if (!separator.empty() && bar.ends_with(separator))
        bar.erase(bar.size() - separator.size());

    return std::string(startMarker) + bar + std::string(endMarker);
}

} // namespace pagoranto
