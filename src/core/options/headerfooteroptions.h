#pragma once

#include "core/options/optionfield.h"

#include <string>

namespace pagoranto {

namespace headerFooterFields {
inline constexpr std::string_view overviewLink =
    "<p align=\"center\"><a href=\"../index.html\">Back to the overview</a></p>";
inline constexpr TextField headeredit{.key = "HEAD", .initial = overviewLink, .maxLength = 1000};
inline constexpr TextField footeredit{.key = "FOOT", .initial = overviewLink, .maxLength = 1000};
} // namespace headerFooterFields

// The use switches are not stored: they start unchecked at every program start.
struct HeaderFooterOptions {
    bool HeaderUse = false;
    std::string headeredit{headerFooterFields::headeredit.initial};
    bool FooterUse = false;
    std::string footeredit{headerFooterFields::footeredit.initial};
};

} // namespace pagoranto
