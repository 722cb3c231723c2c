#include "core/generator/findcommand.h"

#include "core/text/bytetext.h"

namespace pagoranto {

std::size_t FindCommand(std::string_view line, std::string_view command, std::size_t from)
{
    if (command.empty() || line.size() < command.size())
        return std::string_view::npos;
    const char first = AsciiUpper(command.front());
    const std::size_t lastStart = line.size() - command.size();
    for (std::size_t pos = from; pos <= lastStart; ++pos) {
        if (AsciiUpper(line[pos]) != first)
            continue;
        std::size_t i = 1;
        while (i < command.size() && AsciiUpper(line[pos + i]) == AsciiUpper(command[i]))
            ++i;
        if (i == command.size())
            return pos;
    }
    return std::string_view::npos;
}

} // namespace pagoranto
