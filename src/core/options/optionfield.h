#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pagoranto {

// What a control lets the user type; also what a file value is cleaned to where the value
// becomes part of a path.
inline constexpr std::string_view nameCharacters =
    "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
// Page names may also carry the page-number commands "$nd$", "$nb$" and "$nh$".
inline constexpr std::string_view pageNameCharacters =
    "$-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

enum class TextEncoding {
    verbatim,   // read as it stands, cut to the maximum length
    folderName, // written with a trailing "/"; read without it and cleaned to the allowed
                // characters, an empty result keeps the field as it was
};

// One stored text field (an empty key: a control that is not stored).
struct TextField {
    std::string_view key{};
    std::string_view initial{};
    std::size_t maxLength = 0;  // 0: any length
    std::string_view allowed{}; // empty: any character
    TextEncoding encoding = TextEncoding::verbatim;
};

enum class NumberEncoding {
    decimal,      // the leading digits, clamped to the range
    zeroPadded,   // as decimal, written with at least three digits
    leadingDigit, // only the first character counts; outside the range the field is kept
};

// The initial texts of a row of fields, as a struct member holds them.
template <std::size_t count>
std::array<std::string, count> InitialTexts(const std::array<TextField, count> &fields)
{
    std::array<std::string, count> texts;
    for (std::size_t i = 0; i < count; ++i)
        texts[i] = std::string(fields[i].initial);
    return texts;
}

// A scroll bar position, radio group index or colour.
struct NumberField {
    std::string_view key{};
    int initial = 0;
    int minimum = 0;
    int maximum = 0;
    NumberEncoding encoding = NumberEncoding::decimal;
};

// Colours hold red in the lowest byte, green in the second and blue in the third.
constexpr NumberField ColourField(std::string_view key, int initial)
{
    return {key, initial, 0, 0xFFFFFF};
}

enum class FlagEncoding {
    exactlyOne, // checked exactly when the value is "1"
    number,     // 1 checks, 0 clears, anything else keeps the box as it was
};

// A check box, written as "1" or "0".
struct FlagField {
    std::string_view key{};
    bool initial = false;
    FlagEncoding encoding = FlagEncoding::exactlyOne;
};

} // namespace pagoranto
