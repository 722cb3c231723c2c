#include "core/pictures/previewindex.h"

#include <algorithm>

namespace pagoranto {

std::optional<int> PreviousPictureIndex(int current, int count)
{
    if (count <= 0)
        return std::nullopt;
    const int previous = current - 1;
    return previous < 0 || previous > count - 1 ? count - 1 : previous;
}

std::optional<int> NextPictureIndex(int current, int count)
{
    if (count <= 0)
        return std::nullopt;
    const int next = current + 1;
    return next >= count || next < 0 ? 0 : next;
}

std::optional<int> ClampedPictureIndex(int current, int count)
{
    if (count <= 0)
        return std::nullopt;
    return std::clamp(current, 0, count - 1);
}

} // namespace pagoranto
