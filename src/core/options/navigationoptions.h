#pragma once

#include <string>

namespace pagoranto {

// The navigation bar options window's values (the date and time formats are not stored here).
struct NavigationOptions {
    std::string nav_edit_first = "|<";
    std::string nav_edit_prev = "<<";
    std::string nav_edit_next = ">>";
    std::string nav_edit_last = ">|";
    bool nav_use_first = true;
    bool nav_use_prev = true;
    bool nav_use_next = true;
    bool nav_use_last = true;
    std::string nav_edit_linkseparator = "-|-";
    int ScrollBar1 = 14; // number of page links, 1..15
    int RadioGroup1 = 6; // font size of the current number, 0..6 ("8" .. "36")
    bool plain1 = true;  // $APAGE$ as plain text instead of a link
    bool plain2 = false; // $NPAGE$
    bool plain3 = false; // $PPAGE$
    bool show1 = false;  // keep the file extension in $APAGE$
    bool show2 = false;  // $NPAGE$
    bool show3 = false;  // $PPAGE$
};

} // namespace pagoranto
