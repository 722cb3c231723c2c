#include "core/text/urlpath.h"

namespace pagoranto {

std::string ToUrlPath(std::string_view path)
{
    std::string out;
    out.reserve(path.size());
    for (const char c : path) {
        switch (c) {
        case '\\':
            out += '/';
            break;
        case '"':
            out += "%22";
            break;
        case '<':
            out += "%3C";
            break;
        case '>':
            out += "%3E";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace pagoranto
