#include "core/generator/findcommand.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

// The first line is the command searched for, the rest the line searched in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes = fuzz::BytesOf(data, size);
    const std::size_t split = bytes.find('\n');
    const std::string_view command =
        split == std::string_view::npos ? "$pic$" : bytes.substr(0, split);
    const std::string_view line = split == std::string_view::npos ? bytes : bytes.substr(split + 1);
    std::size_t from = 0;
    int found = 0;
    while (from <= line.size()) {
        const std::size_t at = FindCommand(line, command, from);
        if (at == std::string_view::npos)
            break;
        // A hit lies inside the line, at or after where the search began.
        if (at < from || at + command.size() > line.size())
            std::abort();
        from = at + 1;
        if (++found > 1 << 16)
            std::abort();
    }
    ContainsCommand(line, command);
    return 0;
}
