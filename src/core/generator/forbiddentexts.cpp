#include "core/generator/forbiddentexts.h"

#include "core/generator/findcommand.h"
#include "core/platform/prompts.h"

#include <array>

namespace pagoranto {

namespace {

constexpr ForbiddenCommand tpic{"$tpic$", "$tpic$"};
constexpr ForbiddenCommand pic{"$pic$", "$pic$"};
constexpr ForbiddenCommand title{"<!--title-->", "<!--title-->"};
constexpr ForbiddenCommand comment{"<!--comment-->", "<!--comment-->"};
constexpr ForbiddenCommand keywords{"<!--metakeywords-->", "<!--metakeywords-->"};
// The message has always named it so; users know it by that name.
constexpr ForbiddenCommand author{"<!--metaauthor-->", "<!--meatauthor-->"};

constexpr std::array commentChecks{comment, tpic, pic};
constexpr std::array authorChecks{author, tpic, pic};
constexpr std::array keywordChecks{keywords, tpic, pic};
constexpr std::array titleChecks{title, tpic, pic};
constexpr std::array targetChecks{tpic, pic};
constexpr std::array alternativeChecks{tpic, pic, title, comment, keywords, author};

} // namespace

std::span<const ForbiddenCommand> ForbiddenCommandsOf(HiddenTextField field)
{
    switch (field) {
    case HiddenTextField::hcomment:
        return commentChecks;
    case HiddenTextField::hauthor:
        return authorChecks;
    case HiddenTextField::hkeywords:
        return keywordChecks;
    case HiddenTextField::hpagetitle:
        return titleChecks;
    case HiddenTextField::htarget:
        return targetChecks;
    case HiddenTextField::alternativetext:
    case HiddenTextField::alternativePPIICCtext:
        break;
    }
    return alternativeChecks;
}

bool CheckForbiddenText(std::string &text, const ForbiddenCommand &forbidden, Prompts &prompts)
{
    if (text.empty())
        return false;
    const std::size_t pos = FindCommand(text, forbidden.command);
    if (pos == std::string::npos)
        return false;
    const std::string message = "You've typed \"" + std::string(forbidden.shownName) +
                                "\", but it's not allowed in this edit field ,\r"
                                "this entry will create a recursive replacement !\r\r"
                                "This entry is about to be cleared !";
    prompts.show("ERROR", message, PromptButtons::Ok);
    text.erase(pos, forbidden.command.size());
    return true;
}

bool CheckForbiddenTexts(HiddenTextField field, std::string &text, Prompts &prompts)
{
    bool changed = false;
    for (const ForbiddenCommand &forbidden : ForbiddenCommandsOf(field))
        changed = CheckForbiddenText(text, forbidden, prompts) || changed;
    return changed;
}

} // namespace pagoranto
