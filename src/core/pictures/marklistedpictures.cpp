#include "core/pictures/marklistedpictures.h"

#include "core/text/bytetext.h"

#include <unordered_set>

namespace pagoranto {

std::vector<bool> MarkListedPictures(const std::vector<std::string> &captions,
                                     const std::vector<std::string> &lines)
{
    // A set keeps 2000 captions against a long list from costing a comparison per pair.
    std::unordered_set<std::string> listed;
    for (const std::string &line : lines)
        listed.insert(AsciiUpperCase(line));
    std::vector<bool> ticked;
    ticked.reserve(captions.size());
    for (const std::string &caption : captions)
        ticked.push_back(listed.contains(AsciiUpperCase(caption)));
    return ticked;
}

} // namespace pagoranto
