#include "core/pictures/locationcolumn.h"

#include <algorithm>

namespace pagoranto {

namespace {

constexpr std::array<const char *, 3> groupMarkers = {"", "#", "  #"};

std::string PageLabel(int page)
{
    std::string digits = std::to_string(page);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return "P" + digits;
}

} // namespace

std::array<std::string, locationColumnRows> PictureLocationLabels(int topIndex, int entryCount,
                                                                  int picturesPerPage)
{
    std::array<std::string, locationColumnRows> labels;
    labels.fill(" ");
    if (picturesPerPage < 1)
        return labels;
    const int top = std::max(topIndex, 0);
    std::size_t marker = 0;
    int previousPage = 0;
    for (int k = 0; k < locationColumnRows; ++k) {
        const int i = top + k;
        if (i >= entryCount)
            break;
        const int page = i / picturesPerPage + 1;
        if (k > 0 && page != previousPage)
            marker = (marker + 1) % groupMarkers.size();
        previousPage = page;
        labels[k] = groupMarkers[marker] + PageLabel(page);
    }
    return labels;
}

} // namespace pagoranto
