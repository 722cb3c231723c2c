#include "core/pictures/picturelistmoves.h"

#include <algorithm>
#include <cstddef>

namespace pagoranto {

namespace {

bool IsRow(const std::vector<std::string> &list, int row)
{
    return row >= 0 && static_cast<std::size_t>(row) < list.size();
}

} // namespace

int MoveToPreviousPosition(std::vector<std::string> &list, int selected)
{
    if (!IsRow(list, selected) || selected == 0)
        return selected;
    std::swap(list[selected], list[selected - 1]);
    return selected - 1;
}

int MoveToNextPosition(std::vector<std::string> &list, int selected)
{
    if (!IsRow(list, selected) || selected + 1 == static_cast<int>(list.size()))
        return selected;
    std::swap(list[selected], list[selected + 1]);
    return selected + 1;
}

int MoveToFirstPosition(std::vector<std::string> &list, int selected)
{
    if (!IsRow(list, selected) || selected == 0)
        return selected;
    std::rotate(list.begin(), list.begin() + selected, list.begin() + selected + 1);
    return 0;
}

int MoveToLastPosition(std::vector<std::string> &list, int selected)
{
    const int last = static_cast<int>(list.size()) - 1;
    if (!IsRow(list, selected) || selected == last)
        return selected;
    std::rotate(list.begin() + selected, list.begin() + selected + 1, list.end());
    return last;
}

} // namespace pagoranto
