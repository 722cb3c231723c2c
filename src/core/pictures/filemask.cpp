#include "core/pictures/filemask.h"

#include "core/pictures/picturedirectory.h"
#include "core/text/bytetext.h"

namespace pagoranto {

namespace {

// Greedy matching with a single backtrack point: linear in practice, and a mask full of "*"
// cannot make it explode the way naive recursion would.
bool MatchesOneMask(std::string_view name, std::string_view mask)
{
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() &&
                   (mask[m] == '?' || AsciiUpper(mask[m]) == AsciiUpper(name[n]))) {
            ++m;
            ++n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

std::string JpgFileMask(std::string_view typed)
{
    const std::size_t nameStart = typed.find_last_of("/\\:");
    const std::size_t dot = typed.rfind('.');
    const bool hasExtension =
        dot != std::string_view::npos && (nameStart == std::string_view::npos || dot > nameStart);
    return std::string(hasExtension ? typed.substr(0, dot) : typed) + ".jpg";
}

bool MatchesFileMask(std::string_view name, std::string_view mask)
{
    std::size_t start = 0;
    while (start <= mask.size()) {
        const std::size_t end = std::min(mask.find(';', start), mask.size());
        const std::string_view one = mask.substr(start, end - start);
        if (!one.empty() && MatchesOneMask(name, one))
            return true;
        start = end + 1;
    }
    return false;
}

std::vector<std::string> ListFilesMatching(const std::string &dir, std::string_view mask)
{
    return ListFiles(dir, [mask](std::string_view name) { return MatchesFileMask(name, mask); });
}

} // namespace pagoranto
