#include "core/generator/findcommand.h"

#include "core/text/bytetext.h"

#include <cstring>

namespace pagoranto {

std::size_t FindCommand(std::string_view line, std::string_view command, std::size_t from)
{
    if (command.empty() || line.size() < command.size())
        return std::string_view::npos;
    const char first = AsciiUpper(command.front());
    const bool firstIsLetter = first >= 'A' && first <= 'Z';
    const std::size_t lastStart = line.size() - command.size();
    for (std::size_t pos = from; pos <= lastStart; ++pos) {
        if (!firstIsLetter) {
            // Commands start with "$" or "<": let memchr skip to the candidates.
            const void *hit = std::memchr(line.data() + pos, first, lastStart - pos + 1);
            if (!hit)
                return std::string_view::npos;
            pos = static_cast<std::size_t>(static_cast<const char *>(hit) - line.data());
        } else if (AsciiUpper(line[pos]) != first) {
            continue;
        }
        std::size_t i = 1;
        while (i < command.size() && AsciiUpper(line[pos + i]) == AsciiUpper(command[i]))
            ++i;
        if (i == command.size())
            return pos;
    }
    return std::string_view::npos;
}

} // namespace pagoranto
