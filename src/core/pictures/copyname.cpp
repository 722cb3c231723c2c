#include "core/pictures/copyname.h"

#include "core/text/bytetext.h"

#include <algorithm>

namespace pagoranto {

namespace {

// The umlaut capitals and small letters differ by 0x20 in Windows-1252 and in the last UTF-8
// byte alike: Ä C4 / ä E4, Ö D6 / ö F6, Ü DC / ü FC; in UTF-8 they are C3 84/A4, C3 96/B6,
// C3 9C/BC. Other UTF-8 sequences stay as they are.
std::string ChangeCase(std::string_view name, bool toLower)
{
    constexpr std::string_view capitals = "\xC4\xD6\xDC";
    constexpr std::string_view smalls = "\xE4\xF6\xFC";
    const std::string_view from = toLower ? capitals : smalls;
    std::string result(name);
    for (std::size_t i = 0; i < result.size();) {
        const std::size_t sequence = Utf8SequenceLength(result, i);
        if (sequence == 2 && result[i] == '\xC3' &&
            from.find(static_cast<char>(result[i + 1] | 0x40)) != std::string_view::npos) {
            result[i + 1] = static_cast<char>(result[i + 1] ^ 0x20);
        } else if (sequence == 0) {
            const char c = result[i];
            if (toLower ? (c >= 'A' && c <= 'Z') : (c >= 'a' && c <= 'z'))
                result[i] = static_cast<char>(c ^ 0x20);
            else if (from.find(c) != std::string_view::npos)
                result[i] = static_cast<char>(c ^ 0x20);
        }
        i += sequence == 0 ? 1 : sequence;
    }
    return result;
}

} // namespace

std::string FormatCopyNumber(int number, int length)
{
    std::string digits = std::to_string(number);
    const auto wanted = static_cast<std::size_t>(
        std::clamp(length, copyNumberLengthMinimum, copyNumberLengthMaximum));
    if (digits.size() < wanted)
        digits.insert(0, wanted - digits.size(), '0');
    return digits;
}

int StepCopyNumber(int number, int step)
{
    const long long next = static_cast<long long>(number) + step;
    return static_cast<int>(std::clamp<long long>(next, copyNumberMinimum, copyNumberMaximum));
}

std::string CopyBaseName(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    return std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

std::string BuildCopyName(std::string_view base, const CopyNameOptions &options, int number)
{
    const std::string digits = FormatCopyNumber(number, options.numberLength);
    std::string name;
    switch (options.naming) {
    case CopyNaming::original:
        name = base;
        break;
    case CopyNaming::textBase:
        name = options.text + std::string(base);
        break;
    case CopyNaming::baseText:
        name = std::string(base) + options.text;
        break;
    case CopyNaming::textNumber:
        name = options.text + digits;
        break;
    case CopyNaming::numberText:
        name = digits + options.text;
        break;
    }
    if (options.letterCase == CopyLetterCase::lower)
        name = DowncaseFileName(name);
    else if (options.letterCase == CopyLetterCase::upper)
        name = UpcaseFileName(name);
    return name + ".jpg";
}

bool IsCopyNameTextCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

bool IsCopyNameText(std::string_view text)
{
    return text.size() <= copyNameTextMaxLength &&
           std::all_of(text.begin(), text.end(), IsCopyNameTextCharacter);
}

std::string DowncaseFileName(std::string_view name)
{
    return ChangeCase(name, true);
}

std::string UpcaseFileName(std::string_view name)
{
    return ChangeCase(name, false);
}

} // namespace pagoranto
