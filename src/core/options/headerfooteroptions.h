#pragma once

#include <string>

namespace pagoranto {

// The use switches are not stored: they start unchecked at every program start.
struct HeaderFooterOptions {
    bool HeaderUse = false;
    std::string headeredit =
        "<p align=\"center\"><a href=\"../index.html\">Back to the overview</a></p>";
    bool FooterUse = false;
    std::string footeredit =
        "<p align=\"center\"><a href=\"../index.html\">Back to the overview</a></p>";
};

} // namespace pagoranto
