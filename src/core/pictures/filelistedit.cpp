#include "core/pictures/filelistedit.h"

#include "core/pictures/picturenameorder.h"

#include <algorithm>
#include <functional>
#include <unordered_set>

namespace pagoranto {

namespace {

// Valid rows, bottom first and each once, so erasing one leaves the rows above in place.
std::vector<int> RowsBottomUp(std::vector<int> rows, std::size_t size)
{
    std::erase_if(rows, [size](int row) { return row < 0 || std::size_t(row) >= size; });
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace

std::vector<std::string> EditFileListCandidates(const std::vector<std::string> &captions,
                                                const std::vector<std::string> &creationList)
{
    const std::unordered_set<std::string> listed(creationList.begin(), creationList.end());
    std::vector<std::string> candidates;
    for (const std::string &caption : captions)
        if (!listed.contains(caption))
            candidates.push_back(caption);
    return candidates;
}

FileListEditLists StartFileListEdit(std::vector<std::string> candidates)
{
    FileListEditLists lists{std::move(candidates), {}};
    SortPictureNames(lists.rest);
    return lists;
}

void MoveSelectedToAdd(FileListEditLists &lists, const std::vector<int> &selectedRestRows)
{
    for (const int row : RowsBottomUp(selectedRestRows, lists.rest.size())) {
        lists.toAdd.push_back(std::move(lists.rest[row]));
        lists.rest.erase(lists.rest.begin() + row);
    }
}

void MoveAllToAdd(FileListEditLists &lists)
{
    lists.toAdd.insert(lists.toAdd.end(), std::make_move_iterator(lists.rest.begin()),
                       std::make_move_iterator(lists.rest.end()));
    lists.rest.clear();
}

void MoveSelectedBack(FileListEditLists &lists, const std::vector<int> &selectedAddRows)
{
    for (const int row : RowsBottomUp(selectedAddRows, lists.toAdd.size())) {
        lists.rest.push_back(std::move(lists.toAdd[row]));
        lists.toAdd.erase(lists.toAdd.begin() + row);
    }
    SortPictureNames(lists.rest);
}

void MoveAllBack(FileListEditLists &lists)
{
    lists.rest.insert(lists.rest.end(), std::make_move_iterator(lists.toAdd.begin()),
                      std::make_move_iterator(lists.toAdd.end()));
    lists.toAdd.clear();
    SortPictureNames(lists.rest);
}

} // namespace pagoranto
