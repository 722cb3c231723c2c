#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

// How a copy is named: the original base name, or a text put before or after it, or a text
// with the running number before or after it.
enum class CopyNaming { original, textBase, baseText, textNumber, numberText };
enum class CopyLetterCase { unchanged, lower, upper };

inline constexpr int copyNumberMinimum = 1;
inline constexpr int copyNumberMaximum = 99999999;
inline constexpr int copyNumberLengthMinimum = 1;
inline constexpr int copyNumberLengthMaximum = 8;
inline constexpr std::size_t copyNameTextMaxLength = 20;

struct CopyNameOptions {
    CopyNaming naming = CopyNaming::original;
    std::string text;
    CopyLetterCase letterCase = CopyLetterCase::unchanged;
    int numberLength = 4;
};

inline bool UsesCopyNumber(CopyNaming naming)
{
    return naming == CopyNaming::textNumber || naming == CopyNaming::numberText;
}

// The number left-padded with "0" to at least length digits.
std::string FormatCopyNumber(int number, int length);

// The running number after a spin step, kept within its range.
int StepCopyNumber(int number, int step);

// The file name without its extension ("holiday.JPEG" gives "holiday").
std::string CopyBaseName(std::string_view fileName);

// The copy's file name for a picture's base name; the extension is always ".jpg".
std::string BuildCopyName(std::string_view base, const CopyNameOptions &options, int number);

// The characters a name text may hold: letters A-Z and a-z, digits, "-" and "_", so a name never
// reaches another directory.
bool IsCopyNameTextCharacter(char c);
bool IsCopyNameText(std::string_view text);

// A-Z and the capitals Ä, Ö, Ü (UTF-8 or single Windows bytes) to lower case, and back.
std::string DowncaseFileName(std::string_view name);
std::string UpcaseFileName(std::string_view name);

} // namespace pagoranto
