#include "core/platform/commandlinearguments.h"

#include <cstddef>

namespace pagoranto {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> SplitCommandLineArguments(std::string_view parameters)
{
    std::vector<std::string> arguments;
    std::size_t pos = 0;
    const std::size_t end = parameters.size();
    for (;;) {
        while (pos < end && IsBlank(parameters[pos]))
            ++pos;
        if (pos == end)
            return arguments;

        std::string argument;
        bool quoted = false;
        while (pos < end && (quoted || !IsBlank(parameters[pos]))) {
            std::size_t backslashes = 0;
            while (pos < end && parameters[pos] == '\\') {
                ++backslashes;
                ++pos;
            }
            if (pos == end || parameters[pos] != '"') {
                argument.append(backslashes, '\\');
                if (backslashes == 0)
                    argument += parameters[pos++];
                continue;
            }
            argument.append(backslashes / 2, '\\');
            if (backslashes % 2 == 1) {
                argument += '"';
            } else if (quoted && pos + 1 < end && parameters[pos + 1] == '"') {
                argument += '"';
                ++pos;
            } else {
                quoted = !quoted;
            }
            ++pos;
        }
        arguments.push_back(std::move(argument));
    }
}

} // namespace pagoranto
