#include "core/platform/commandlinearguments.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view parameters = fuzz::BytesOf(data, size);
    std::size_t total = 0;
    for (const std::string &argument : SplitCommandLineArguments(parameters))
        total += argument.size();
    // Quotes and backslashes only ever take characters away.
    if (total > parameters.size())
        std::abort();
    return 0;
}
