#include "core/text/htmlescape.h"

#include "core/text/bytetext.h"

#include <optional>

namespace pagoranto {

namespace {

std::optional<std::string_view> EntityOfLatin1(unsigned char code)
{
    switch (code) {
    case 0xE4:
        return "&auml;";
    case 0xF6:
        return "&ouml;";
    case 0xFC:
        return "&uuml;";
    case 0xDF:
        return "&szlig;";
    case 0x3C:
        return "&lt;";
    case 0x26:
        return "&amp;";
    case 0xC4:
        return "&Auml;";
    case 0xD6:
        return "&Ouml;";
    case 0xDC:
        return "&Uuml;";
    case 0x22:
        return "&quot;";
    case 0x3E:
        return "&gt;";
    default:
        return std::nullopt;
    }
}

bool IsPlainAscii(unsigned char byte)
{
    return byte < 0x80 && byte != '<' && byte != '>' && byte != '&' && byte != '"';
}

} // namespace

std::string HtmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Plain ASCII without markup characters, most of any text, is copied a run at a time.
        const std::size_t plain = pos;
        while (pos < text.size() && IsPlainAscii(static_cast<unsigned char>(text[pos])))
            ++pos;
        out.append(text, plain, pos - plain);
        if (pos == text.size())
            break;
        const auto byte = static_cast<unsigned char>(text[pos]);
        const std::size_t sequence = byte >= 0x80 ? Utf8SequenceLength(text, pos) : 0;
        if (sequence == 2 && byte == 0xC3) {
            // U+00C0..U+00FF: the second byte plus 0x40 is the Latin-1 code.
            const auto code = static_cast<unsigned char>(text[pos + 1] + 0x40);
            if (auto entity = EntityOfLatin1(code))
                out += *entity;
            else
                out.append(text.substr(pos, 2));
            pos += 2;
        } else if (sequence > 0) {
            out.append(text.substr(pos, sequence));
            pos += sequence;
        } else {
            if (auto entity = EntityOfLatin1(byte))
                out += *entity;
            else
                out += text[pos];
            ++pos;
        }
    }
    return out;
}

std::string HtmlEscapeName(std::string_view name)
{
    const std::string escaped = HtmlEscape(name);
    std::string out;
    out.reserve(escaped.size());
    for (const char c : escaped) {
        if (c == '$')
            out += "&#36;";
        else
            out += c;
    }
    return out;
}

} // namespace pagoranto
