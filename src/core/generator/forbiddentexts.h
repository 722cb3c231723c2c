#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pagoranto {

class Prompts;

// A command that a replacement text must not hold, because the run would replace it again;
// `shownName` is how the message names it.
struct ForbiddenCommand {
    std::string_view command;
    std::string_view shownName;
};

// The hidden option texts that are checked, each with its own forbidden commands.
enum class HiddenTextField {
    hcomment,
    hauthor,
    hkeywords,
    hpagetitle,
    htarget,
    alternativetext,
    alternativePPIICCtext,
};

// The commands checked for the field, in the order they are checked.
std::span<const ForbiddenCommand> ForbiddenCommandsOf(HiddenTextField field);

// Tells the user and cuts the first occurrence of the command (any letter case) out of the
// text. True when the command was found.
bool CheckForbiddenText(std::string &text, const ForbiddenCommand &forbidden, Prompts &prompts);

// Every check of the field once, in order; true when the text was changed.
bool CheckForbiddenTexts(HiddenTextField field, std::string &text, Prompts &prompts);

} // namespace pagoranto
