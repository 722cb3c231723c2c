#pragma once

#include <string>

namespace pagoranto {

// Full paths of the three tool programs of `Ttoolwindow`.
struct ToolOptions {
    std::string tool1_label;
    std::string tool2_label;
    std::string tool3_label;
};

} // namespace pagoranto
