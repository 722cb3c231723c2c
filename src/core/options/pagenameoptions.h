#pragma once

#include <string>

namespace pagoranto {

// The page-name controls of the main window.
struct PageNameOptions {
    std::string ownfilename = "page";
    bool usedifferentfirst = false;
    std::string differentfilename = "index";
    int ScrollBar4 = 4; // length of number: minimum digits of a page number, 1..7
    bool Counterreset = true;
};

} // namespace pagoranto
