#include "core/pictures/sortinglist.h"

#include "core/text/linefile.h"

namespace pagoranto {

namespace {

constexpr std::size_t refusedNamesShown = 10;

std::string RefusedEntriesText(const std::vector<std::string> &refused)
{
    std::string text = "*ERROR* The sorting list names pictures outside the picture directory.\r"
                       "These entries are left out:";
    for (std::size_t i = 0; i < refused.size() && i < refusedNamesShown; ++i)
        text += "\r" + refused[i];
    if (refused.size() > refusedNamesShown)
        text += "\r...";
    return text;
}

} // namespace

bool IsSortingListEntryAllowed(std::string_view entry)
{
    return entry.find_first_of("/\\") == std::string_view::npos && entry != "..";
}

SortingListResult LoadSortingList(const std::filesystem::path &file)
{
    SortingListResult result;
    auto lines = ReadLineFile(file);
    if (!lines) {
        result.error = sortingListUnreadableText;
        return result;
    }
    result.opened = true;
    for (std::string &line : *lines) {
        if (IsSortingListEntryAllowed(line))
            result.names.push_back(std::move(line));
        else
            result.refused.push_back(std::move(line));
    }
    result.ok = result.refused.empty();
    if (!result.ok)
        result.error = RefusedEntriesText(result.refused);
    return result;
}

bool SaveSortingList(const std::filesystem::path &file, const std::vector<std::string> &names)
{
    return WriteLineFile(file, names);
}

} // namespace pagoranto
