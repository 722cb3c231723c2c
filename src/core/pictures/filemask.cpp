#include "core/pictures/filemask.h"

#include "core/text/bytetext.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (MatchesFileMask(name, mask))
            names.push_back(std::move(name));
    }
    // The same order as ListFilesWithExtension, so the jpg list and the tiles agree with the
    // other picture lists.
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        const std::string lowerA = AsciiLowerCase(a);
        const std::string lowerB = AsciiLowerCase(b);
        return lowerA != lowerB ? lowerA < lowerB : a < b;
    });
    return names;
}

} // namespace pagoranto
