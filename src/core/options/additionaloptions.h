#pragma once

#include "core/options/optionfield.h"

#include <string>

namespace pagoranto {

// The radio buttons of "Browser start after creation", in the order of their stored codes
// (`default` is a C++ keyword, hence defaultBrowser).
enum class BrowserStart { none = 0, iexplore = 1, netscape = 2, defaultBrowser = 3 };

namespace additionalFields {
inline constexpr NumberField browserStart{.key = "BROW",
                                          .initial = 3,
                                          .minimum = 0,
                                          .maximum = 3,
                                          .encoding = NumberEncoding::leadingDigit};
// "100%", "50%", "25%", not shown to the user.
inline constexpr NumberField basesize{.key = "THUS",
                                      .initial = 1,
                                      .minimum = 0,
                                      .maximum = 2,
                                      .encoding = NumberEncoding::leadingDigit};
inline constexpr TextField Edit1{.key = "NEWO", .initial = "Prename_", .maxLength = 20};
inline constexpr TextField Edit2{.key = "ONEW", .initial = "_Postname", .maxLength = 20};
inline constexpr TextField Edit3{.key = "NEWN", .initial = "NEW_", .maxLength = 20};
inline constexpr TextField Edit4{.key = "NNEW", .initial = "_NEW", .maxLength = 20};
} // namespace additionalFields

// The values of "pgrooptions.cfg" that neither the link texts nor the page names hold.
struct AdditionalOptions {
    BrowserStart browserStart = static_cast<BrowserStart>(additionalFields::browserStart.initial);
    int basesize = additionalFields::basesize.initial;

    // The name texts of the copy window `Tcopywin`.
    std::string Edit1{additionalFields::Edit1.initial}; // "NEW+original filename"
    std::string Edit2{additionalFields::Edit2.initial}; // "Original filename+NEW"
    std::string Edit3{additionalFields::Edit3.initial}; // "NEW filename + number"
    std::string Edit4{additionalFields::Edit4.initial}; // "Number+ NEW filename"
};

} // namespace pagoranto
