#pragma once

#include "core/pictures/copypictures.h"

#include <string>
#include <vector>

namespace pagoranto {

// What a copy run did that its end message has to tell.
struct CopySummary {
    std::vector<std::string> failed;     // pictures that were not copied
    std::vector<std::string> unreadable; // pictures copied as they are, not read whole
    std::vector<std::string> renamed;    // "a.JPG as a (2).jpg"
    int existing = 0;                    // copies left alone as they existed

    void Add(const PlannedCopy &copy, CopyOutcome outcome);
};

// "All files copied !" while that is true, then a line for each kind of trouble, naming the
// pictures ("2 pictures could not be copied: a.jpg, b.jpg"); lines are apart by "\r\r".
std::string CopyEndMessage(const CopySummary &summary);

} // namespace pagoranto
