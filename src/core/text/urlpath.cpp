#include "core/text/urlpath.h"

#include "core/text/bytetext.h"

namespace pagoranto {

namespace {

bool NeedsEncoding(unsigned char c)
{
    switch (c) {
    case '"':
    case '<':
    case '>':
    case '%':
    case '#':
    case '?':
    case '$':
    case 0x7F:
        return true;
    default:
        return c < 0x20;
    }
}

void AppendEncoded(std::string &out, unsigned char c)
{
    constexpr char hex[] = "0123456789ABCDEF";
    out += '%';
    out += hex[c >> 4];
    out += hex[c & 0x0F];
}

} // namespace

std::string ToUrlPath(std::string_view path)
{
    std::string out;
    out.reserve(path.size());
    for (std::size_t pos = 0; pos < path.size();) {
        const auto c = static_cast<unsigned char>(path[pos]);
        if (c >= 0x80) {
            const std::size_t length = Utf8SequenceLength(path, pos);
            if (length == 0) {
                AppendEncoded(out, c);
                ++pos;
            } else {
                out.append(path.substr(pos, length));
                pos += length;
            }
            continue;
        }
        if (c == '\\')
            out += '/';
        else if (NeedsEncoding(c))
            AppendEncoded(out, c);
        else
            out += static_cast<char>(c);
        ++pos;
    }
    return out;
}

} // namespace pagoranto
