#include "core/options/optionentries.h"

#include "core/options/optionfile.h"
#include "core/text/textlength.h"

#include <limits>

namespace pagoranto {

namespace {

std::string LimitedText(const TextField &field, std::string_view value)
{
    return field.maxLength == 0 ? std::string(value) : LimitTextLength(value, field.maxLength);
}

// Characters the field would not let the user type are dropped, which also keeps "..", "/"
// and "\" out of a folder name.
std::string AllowedCharacters(const TextField &field, std::string_view value)
{
    if (field.allowed.empty())
        return std::string(value);
    std::string kept;
    for (const char c : value) {
        if (field.allowed.find(c) != std::string_view::npos)
            kept += c;
    }
    return kept;
}

void DecodeText(const TextField &field, std::string_view value, std::string &member)
{
    if (field.encoding == TextEncoding::verbatim) {
        member = LimitedText(field, value);
        return;
    }
    // What the field would not hold is dropped; a name left empty is kept empty, so that a run
    // that needs the folder is refused instead of using one the file did not name.
    member = LimitedText(field, AllowedCharacters(field, StripTrailingBackslash(value)));
}

std::optional<int> DecodeNumberField(const NumberField &field, std::string_view value)
{
    if (field.encoding != NumberEncoding::leadingDigit)
        return DecodeNumber(value, field.minimum, field.maximum);
    if (value.empty() || value[0] < '0' || value[0] > '9')
        return std::nullopt;
    const int digit = value[0] - '0';
    if (digit < field.minimum || digit > field.maximum)
        return std::nullopt;
    return digit;
}

} // namespace

OptionEntry Bind(const TextField &field, std::string &member)
{
    return {field.key,
            [field, &member] {
                return field.encoding == TextEncoding::folderName ? member + "/" : member;
            },
            [field, &member](std::string_view value) { DecodeText(field, value, member); }};
}

OptionEntry Bind(const FlagField &field, bool &member)
{
    return {field.key, [&member] { return std::string(member ? "1" : "0"); },
            [field, &member](std::string_view value) {
                if (field.encoding == FlagEncoding::exactlyOne) {
                    member = DecodeFlag(value);
                    return;
                }
                const auto number = DecodeNumber(value, 0, std::numeric_limits<int>::max());
                if (number == 1)
                    member = true;
                else if (number == 0)
                    member = false;
            }};
}

OptionEntry BindNumber(const NumberField &field, std::function<long long()> get,
                       std::function<void(int)> set)
{
    return {field.key,
            [field, get] {
                const std::string digits = std::to_string(get());
                return field.encoding == NumberEncoding::zeroPadded ? ZeroPad3(digits) : digits;
            },
            [field, set](std::string_view value) {
                if (const auto number = DecodeNumberField(field, value))
                    set(*number);
            }};
}

OptionEntry FixedEntry(std::string_view key, std::string value)
{
    return {key, [value = std::move(value)] { return value; }, {}};
}

} // namespace pagoranto
