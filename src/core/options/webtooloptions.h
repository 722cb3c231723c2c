#pragma once

#include "core/options/optionfield.h"

#include <string>

namespace pagoranto {

namespace webToolFields {
inline constexpr TextField webtool1_label{.key = "WEB1"};
inline constexpr TextField webtool2_label{.key = "WEB2"};
inline constexpr TextField webtool3_label{.key = "WEB3"};
} // namespace webToolFields

// Full paths of the three web tool programs of `Twebtool_window`.
struct WebToolOptions {
    std::string webtool1_label;
    std::string webtool2_label;
    std::string webtool3_label;
};

} // namespace pagoranto
