#pragma once

#include <string>
#include <vector>

namespace pagoranto {

// The thumbnail-list captions the picture list does not hold yet (compared exactly), in
// thumbnail-list order: what "Edit file list" offers.
std::vector<std::string> EditFileListCandidates(const std::vector<std::string> &captions,
                                                const std::vector<std::string> &creationList);

// The two lists of the add window: the pictures still to choose from, always sorted, and the
// pictures to be added, in the order they were moved across.
struct FileListEditLists {
    std::vector<std::string> rest;
    std::vector<std::string> toAdd;

    bool canAdd() const { return !rest.empty(); }
    bool canTakeBack() const { return !toAdd.empty(); }
};

FileListEditLists StartFileListEdit(std::vector<std::string> candidates);

// ">": the selected rows of rest go to the end of toAdd, taken from the bottom upwards.
void MoveSelectedToAdd(FileListEditLists &lists, const std::vector<int> &selectedRestRows);
// ">>": all of rest, in order.
void MoveAllToAdd(FileListEditLists &lists);
// "<" and "<<": back to rest, which sorts itself again.
void MoveSelectedBack(FileListEditLists &lists, const std::vector<int> &selectedAddRows);
void MoveAllBack(FileListEditLists &lists);

} // namespace pagoranto
