#include "core/pictures/picturenameorder.h"

#include "core/text/bytetext.h"

#include <algorithm>

namespace pagoranto {

bool PictureNameLess(const std::string &a, const std::string &b)
{
    // Compared byte by byte in small letters, as strings compare, without making copies: a
    // sort makes many comparisons.
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto lowerA = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto lowerB = static_cast<unsigned char>(AsciiLower(b[i]));
        if (lowerA != lowerB)
            return lowerA < lowerB;
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

void SortPictureNames(std::vector<std::string> &names)
{
    std::stable_sort(names.begin(), names.end(), PictureNameLess);
}

} // namespace pagoranto
