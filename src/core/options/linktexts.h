#pragma once

#include "core/options/optionfield.h"

#include <string>

namespace pagoranto {

namespace linkTextFields {
inline constexpr TextField previous_label{.key = "PREV", .initial = "Previous", .maxLength = 80};
inline constexpr TextField Next_label{.key = "NEXT", .initial = "Next", .maxLength = 80};
inline constexpr TextField first_label{.key = "FIRS", .initial = "First", .maxLength = 80};
inline constexpr TextField Last_label{.key = "LAST", .initial = "Last", .maxLength = 80};
inline constexpr TextField homepage_label{
    .key = "HOME", .initial = "../index.html", .maxLength = 80};
inline constexpr TextField homepage_label_text{
    .key = "HOMT", .initial = "Back to homepage", .maxLength = 80};
inline constexpr TextField freetext{.key = "FREE", .initial = "Free text", .maxLength = 200};
} // namespace linkTextFields

// The link texts of the main window, read at the start of a run.
struct LinkTexts {
    std::string previous_label{linkTextFields::previous_label.initial};
    std::string Next_label{linkTextFields::Next_label.initial};
    std::string first_label{linkTextFields::first_label.initial};
    std::string Last_label{linkTextFields::Last_label.initial};
    std::string homepage_label{linkTextFields::homepage_label.initial}; // target of the home link
    std::string homepage_label_text{linkTextFields::homepage_label_text.initial};
    std::string freetext{linkTextFields::freetext.initial};
    // The free text is written as it is, so that it may carry markup.
    bool Linkchecker = false;
};

} // namespace pagoranto
