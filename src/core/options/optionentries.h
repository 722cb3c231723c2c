#pragma once

#include "core/options/optionfield.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// One key of an option file bound to the member that holds it, encoded as its field says.
struct OptionEntry {
    std::string_view key;
    std::function<std::string()> encode;
    // Empty for keys that are written but never read back.
    std::function<void(std::string_view)> decode;
};

using OptionEntries = std::vector<OptionEntry>;

OptionEntry Bind(const TextField &field, std::string &member);
OptionEntry Bind(const FlagField &field, bool &member);
OptionEntry BindNumber(const NumberField &field, std::function<long long()> get,
                       std::function<void(int)> set);

// A number held as an int, a colour value or a radio-button enum.
template <class Number> OptionEntry Bind(const NumberField &field, Number &member)
{
    return BindNumber(
        field, [&member] { return static_cast<long long>(member); },
        [&member](int value) { member = static_cast<Number>(value); });
}

// A written value that is not read back.
OptionEntry FixedEntry(std::string_view key, std::string value);

} // namespace pagoranto
