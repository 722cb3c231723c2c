#pragma once

#include <string>

namespace pagoranto {

// The radio buttons of "Browser start after creation", in the order of their stored codes
// (`default` is a C++ keyword, hence defaultBrowser).
enum class BrowserStart { none = 0, iexplore = 1, netscape = 2, defaultBrowser = 3 };

// The values of "pgrooptions.cfg" that neither the link texts nor the page names hold.
struct AdditionalOptions {
    BrowserStart browserStart = BrowserStart::defaultBrowser;
    int basesize = 1;  // "100%", "50%", "25%": 0..2, not shown to the user

    // The name texts of the copy window `Tcopywin`, at most 20 characters each.
    std::string Edit1 = "Prename_";   // "NEW+original filename"
    std::string Edit2 = "_Postname";  // "Original filename+NEW"
    std::string Edit3 = "NEW_";       // "NEW filename + number"
    std::string Edit4 = "_NEW";       // "Number+ NEW filename"
};

} // namespace pagoranto
