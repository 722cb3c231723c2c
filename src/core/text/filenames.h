#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

enum class NameCase { Keep, Upper, Lower };

// The file name part of name (after the last "/", "\" or ":") without its extension (the text
// from the last "." of that part on); only the letters a..z / A..Z change case.
std::string NameWithoutExtension(std::string_view name, NameCase nameCase = NameCase::Keep);

// name without the text from its last "." on; name itself when it has no ".".
std::string WithoutExtension(std::string_view name);

} // namespace pagoranto
