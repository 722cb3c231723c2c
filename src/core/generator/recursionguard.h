#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

class Prompts;

struct GuardedText {
    bool changed = false;
    std::string text;
};

// A label text that holds the command it replaces would be replaced without end: the user is
// told, and the first occurrence of the command is cut out of the text.
GuardedText GuardRecursiveText(std::string_view text, std::string_view command, Prompts &prompts);

} // namespace pagoranto
