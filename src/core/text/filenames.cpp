#include "core/text/filenames.h"

#include "core/text/bytetext.h"

namespace pagoranto {

std::string WithoutExtension(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string NameWithoutExtension(std::string_view name, NameCase nameCase)
{
    const std::size_t separator = name.find_last_of("/\\:");
    if (separator != std::string_view::npos)
        name.remove_prefix(separator + 1);
    const std::string bare = WithoutExtension(name);
    switch (nameCase) {
    case NameCase::Upper:
        return AsciiUpperCase(bare);
    case NameCase::Lower:
        return AsciiLowerCase(bare);
    case NameCase::Keep:
        break;
    }
    return bare;
}

} // namespace pagoranto
