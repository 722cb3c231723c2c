#pragma once

#include "core/options/optionfield.h"

#include <string>

namespace pagoranto {

namespace toolFields {
inline constexpr TextField tool1_label{.key = "TOL1"};
inline constexpr TextField tool2_label{.key = "TOL2"};
inline constexpr TextField tool3_label{.key = "TOL3"};
} // namespace toolFields

// Full paths of the three tool programs of `Ttoolwindow`.
struct ToolOptions {
    std::string tool1_label;
    std::string tool2_label;
    std::string tool3_label;
};

} // namespace pagoranto
