#include "core/pictures/sortinglist.h"

#include "core/text/linefile.h"

#include <algorithm>

namespace pagoranto {

namespace {

constexpr std::size_t refusedNamesShown = 10;

bool IsControlCharacter(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// An entry as a message line can show it.
std::string Shown(std::string entry)
{
    if (entry.empty())
        return "(an empty line)";
    for (char &c : entry)
        if (IsControlCharacter(c))
            c = '?';
    return entry;
}

std::string RefusedEntriesText(const std::vector<std::string> &refused)
{
    std::string text = "*ERROR* The sorting list names pictures outside the picture directory, "
                       "or no picture at all.\rThese entries are left out:";
    for (std::size_t i = 0; i < refused.size() && i < refusedNamesShown; ++i)
        text += "\r" + Shown(refused[i]);
    if (refused.size() > refusedNamesShown)
        text += "\r...";
    return text;
}

} // namespace

bool IsSortingListEntryAllowed(std::string_view entry)
{
    // An empty name or "." would make a link to the directory itself, a control character
    // a link that leads nowhere.
    return !entry.empty() && entry != "." && entry != ".." &&
           entry.find_first_of("/\\") == std::string_view::npos &&
           std::none_of(entry.begin(), entry.end(), IsControlCharacter);
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
