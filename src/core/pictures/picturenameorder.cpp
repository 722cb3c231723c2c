#include "core/pictures/picturenameorder.h"

#include "core/text/bytetext.h"

#include <algorithm>

namespace pagoranto {

bool PictureNameLess(const std::string &a, const std::string &b)
{
    const std::string lowerA = AsciiLowerCase(a);
    const std::string lowerB = AsciiLowerCase(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}

void SortPictureNames(std::vector<std::string> &names)
{
    std::stable_sort(names.begin(), names.end(), PictureNameLess);
}

} // namespace pagoranto
