#pragma once

#include "core/options/optionfield.h"

#include <string>

namespace pagoranto {

namespace pageNameFields {
inline constexpr TextField ownfilename{
    .key = "PAGN", .initial = "page", .maxLength = 80, .allowed = pageNameCharacters};
inline constexpr TextField differentfilename{
    .key = "FPDI", .initial = "index", .maxLength = 80, .allowed = nameCharacters};
// Length of number: the minimum digits of a page number; not stored.
inline constexpr NumberField ScrollBar4{.key = "", .initial = 4, .minimum = 1, .maximum = 7};
} // namespace pageNameFields

// The page-name controls of the main window.
struct PageNameOptions {
    std::string ownfilename{pageNameFields::ownfilename.initial};
    bool usedifferentfirst = false;
    std::string differentfilename{pageNameFields::differentfilename.initial};
    int ScrollBar4 = pageNameFields::ScrollBar4.initial;
    bool Counterreset = true;
};

} // namespace pagoranto
