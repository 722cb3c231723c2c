#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// Splits a parameter text into arguments the way the Microsoft C runtime splits a command line
// after the program name, so texts made for Windows programs reach ours unchanged:
// - blanks and tabs separate arguments; runs of them count once; none at either end counts;
// - a double quote starts or ends a quoted part, in which blanks and tabs are kept; quoted parts
//   can sit inside an argument ("a"b c -> ab, c), and an unclosed one runs to the end of the text;
// - inside a quoted part two double quotes give one double quote and the part goes on;
// - 2n backslashes before a double quote give n backslashes and the quote acts as above; 2n+1
//   give n backslashes and a literal double quote;
// - backslashes not before a double quote are kept as they are;
// - "" on its own gives one empty argument; an empty text gives none.
std::vector<std::string> SplitCommandLineArguments(std::string_view parameters);

} // namespace pagoranto
