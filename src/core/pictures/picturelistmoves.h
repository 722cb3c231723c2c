#pragma once

#include <string>
#include <vector>

namespace pagoranto {

// The four moves of the picture list. Each takes the selected row (-1 for none) and returns the
// row the selection follows to; a move that does not apply leaves the list and the row as they
// are.
int MoveToPreviousPosition(std::vector<std::string> &list, int selected);
int MoveToNextPosition(std::vector<std::string> &list, int selected);
int MoveToFirstPosition(std::vector<std::string> &list, int selected);
int MoveToLastPosition(std::vector<std::string> &list, int selected);

} // namespace pagoranto
