#pragma once

#include <string>

namespace pagoranto {

// The link texts of the main window, read at the start of a run.
struct LinkTexts {
    std::string previous_label = "Previous";
    std::string Next_label = "Next";
    std::string first_label = "First";
    std::string Last_label = "Last";
    std::string homepage_label = "../index.html"; // target of the home link
    std::string homepage_label_text = "Back to homepage";
    std::string freetext = "Free text";
    // The free text is written as it is, so that it may carry markup.
    bool Linkchecker = false;
};

} // namespace pagoranto
