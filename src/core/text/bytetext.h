#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// Texts are kept as the bytes they arrived in: UTF-8 where it is valid, otherwise the
// single-byte Windows-1252 bytes of files written on Windows.
using ByteLines = std::vector<std::string>;

// Length of the well-formed UTF-8 multi-byte sequence that starts at bytes[pos], or 0 when
// none starts there (ASCII, a stray continuation byte, an overlong or truncated sequence).
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t pos);

bool IsValidUtf8(std::string_view bytes);

// The character a Windows-1252 byte stands for; the five bytes the code page leaves unassigned
// stand for themselves.
char32_t Windows1252CodePoint(unsigned char byte);

std::string Windows1252ToUtf8(std::string_view bytes);

// The text as UTF-8: unchanged when it is valid UTF-8, else read as Windows-1252.
std::string ToUtf8(std::string_view bytes);

// Letters a..z compared without case, every other byte exactly.
// Inline, as the command search calls it for every byte it compares.
inline char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);

// The text as UTF-8 with the letters of the Western code page upper-cased (a..z, the accented
// letters and umlauts; "ß" has no capital and stays), so that two names that differ only in
// case give the same key, whether they arrived as UTF-8 or as Windows-1252 bytes.
std::string WesternUpperCaseKey(std::string_view text);

} // namespace pagoranto
