#include "core/text/bytetext.h"

#include <algorithm>
#include <array>

namespace pagoranto {

std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t pos)
{
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byteAt(pos);
    std::size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondMin = 0xA0;
        if (lead == 0xED)
            secondMax = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondMin = 0x90;
        if (lead == 0xF4)
            secondMax = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > bytes.size())
        return 0;
    if (byteAt(pos + 1) < secondMin || byteAt(pos + 1) > secondMax)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byteAt(pos + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(bytes, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

namespace {

// Code points of 0x80..0x9F in Windows-1252; the five unassigned bytes map to themselves.
constexpr std::array<char32_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string &out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

char32_t WesternUpper(char32_t codePoint)
{
    if ((codePoint >= U'a' && codePoint <= U'z') ||
        (codePoint >= 0xE0 && codePoint <= 0xFE && codePoint != 0xF7))
        return codePoint - 0x20;
    switch (codePoint) {
    case 0xFF:
        return 0x178;
    case 0x153:
    case 0x161:
    case 0x17E:
        return codePoint - 1;
    default:
        return codePoint;
    }
}

} // namespace

char32_t Windows1252CodePoint(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) ? windows1252High[byte - 0x80] : char32_t(byte);
}

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes)
        AppendUtf8(out, Windows1252CodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string ToUtf8(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::string AsciiUpperCase(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = AsciiUpper(c);
    return out;
}

std::string WesternUpperCaseKey(std::string_view text)
{
    const std::string utf8 = ToUtf8(text);
    std::string key;
    key.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            key += AsciiUpper(utf8[pos++]);
            continue;
        }
        const std::size_t length = std::max<std::size_t>(1, Utf8SequenceLength(utf8, pos));
        // Only two-byte sequences hold letters that change.
        if (length == 2) {
            const char32_t codePoint =
                (char32_t(lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[pos + 1]) & 0x3F);
            AppendUtf8(key, WesternUpper(codePoint));
        } else {
            key.append(utf8, pos, length);
        }
        pos += length;
    }
    return key;
}

std::string AsciiLowerCase(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = AsciiLower(c);
    return out;
}

} // namespace pagoranto
