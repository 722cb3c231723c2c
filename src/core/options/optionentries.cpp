#include "core/options/optionentries.h"

#include "core/options/optionfile.h"
#include "core/text/textlength.h"

#include <limits>

namespace pagoranto {

OptionEntry TextEntry(std::string_view key, std::string &field, std::size_t maxCharacters)
{
    return {key, [&field] { return field; },
            [&field, maxCharacters](std::string_view value) {
                field = maxCharacters == 0 ? std::string(value)
                                           : LimitTextLength(value, maxCharacters);
            }};
}

OptionEntry FlagEntry(std::string_view key, bool &field)
{
    return {key, [&field] { return std::string(field ? "1" : "0"); },
            [&field](std::string_view value) { field = DecodeFlag(value); }};
}

OptionEntry NumericFlagEntry(std::string_view key, bool &field)
{
    return {key, [&field] { return std::string(field ? "1" : "0"); },
            [&field](std::string_view value) {
                const auto number = DecodeNumber(value, 0, std::numeric_limits<int>::max());
                if (number == 1)
                    field = true;
                else if (number == 0)
                    field = false;
            }};
}

OptionEntry NumberEntry(std::string_view key, int &field, int minimum, int maximum)
{
    return {key, [&field] { return std::to_string(field); },
            [&field, minimum, maximum](std::string_view value) {
                if (const auto number = DecodeNumber(value, minimum, maximum))
                    field = *number;
            }};
}

OptionEntry FixedEntry(std::string_view key, std::string value)
{
    return {key, [value = std::move(value)] { return value; }, {}};
}

bool ReadOptionEntries(const std::filesystem::path &file, std::string_view sectionLine,
                       const OptionEntries &entries)
{
    auto reader = OptionFileReader::open(file, sectionLine);
    if (!reader)
        return false;
    for (const OptionEntry &entry : entries) {
        const auto value = reader->next(entry.key);
        if (value && entry.decode)
            entry.decode(*value);
    }
    return true;
}

bool WriteOptionEntries(const std::filesystem::path &file, std::string_view sectionLine,
                        const OptionEntries &entries)
{
    OptionFileWriter writer(sectionLine);
    for (const OptionEntry &entry : entries)
        writer.add(entry.key, entry.encode());
    return writer.save(file);
}

} // namespace pagoranto
