#include "core/pictures/copysummary.h"

#include <algorithm>

namespace pagoranto {

namespace {

constexpr std::size_t namesShown = 5;

std::string NameList(const std::vector<std::string> &names)
{
    std::string list;
    const std::size_t shown = std::min(names.size(), namesShown);
    for (std::size_t i = 0; i < shown; ++i)
        list += (i > 0 ? ", " : "") + names[i];
    if (names.size() > shown)
        list += " and " + std::to_string(names.size() - shown) + " more";
    return list;
}

std::string Counted(std::size_t count, const char *one, const char *many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

void CopySummary::Add(const PlannedCopy &copy, CopyOutcome outcome)
{
    if (outcome == CopyOutcome::failed)
        failed.push_back(copy.picture);
    else if (outcome == CopyOutcome::unreadable)
        unreadable.push_back(copy.picture);
    else if (outcome == CopyOutcome::existing)
        ++existing;
    if (!copy.clashingName.empty() && outcome != CopyOutcome::failed)
        renamed.push_back(copy.picture + " as " + copy.newName);
}

std::string CopyEndMessage(const CopySummary &summary)
{
    std::vector<std::string> lines;
    if (summary.failed.empty() && summary.unreadable.empty())
        lines.emplace_back("All files copied !");
    if (!summary.failed.empty())
        lines.push_back(Counted(summary.failed.size(),
                                "picture could not be copied: ", "pictures could not be copied: ") +
                        NameList(summary.failed));
    if (!summary.unreadable.empty())
        lines.push_back(Counted(summary.unreadable.size(),
                                "picture could not be read and was copied as it is: ",
                                "pictures could not be read and were copied as they are: ") +
                        NameList(summary.unreadable));
    if (!summary.renamed.empty())
        lines.push_back(
            Counted(summary.renamed.size(),
                    "copy got a number, as an earlier picture's copy has its name: ",
                    "copies got a number, as earlier pictures' copies have their names: ") +
            NameList(summary.renamed));
    if (summary.existing > 0)
        lines.push_back(std::to_string(summary.existing) +
                        " files existed already and were left as they were.");
    std::string text;
    for (const std::string &line : lines)
        text += (text.empty() ? "" : "\r\r") + line;
    return text;
}

} // namespace pagoranto
