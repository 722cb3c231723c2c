#include "core/generator/recursionguard.h"

#include "core/generator/findcommand.h"
#include "core/platform/prompts.h"

namespace pagoranto {

GuardedText GuardRecursiveText(std::string_view text, std::string_view command, Prompts &prompts)
{
    GuardedText result{false, std::string(text)};
    if (text.empty())
        return result;
    const std::size_t pos = FindCommand(text, command);
    if (pos == std::string_view::npos)
        return result;
    const std::string message = "You've typed \"" + std::string(command) +
                                "\", but it's not allowed in this edit field,\r"
                                "this entry will create a recursive replacement !\r\r"
                                "This entry is about to be cleared !";
    prompts.show("ERROR", message, PromptButtons::Ok);
    result.text.erase(pos, command.size());
    result.changed = true;
    return result;
}

} // namespace pagoranto
