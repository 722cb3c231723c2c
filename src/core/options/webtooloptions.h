#pragma once

#include <string>

namespace pagoranto {

// Full paths of the three web tool programs of `Twebtool_window`.
struct WebToolOptions {
    std::string webtool1_label;
    std::string webtool2_label;
    std::string webtool3_label;
};

} // namespace pagoranto
