#include "core/generator/pagenames.h"

#include "core/generator/findcommand.h"
#include "core/options/pagenameoptions.h"

namespace pagoranto {

namespace {

std::string BinaryDigits(std::uint32_t n)
{
    std::string digits(32, '0');
    for (int bit = 0; bit < 32; ++bit) {
        if (n & (std::uint32_t{1} << bit))
            digits[31 - bit] = '1';
    }
    return digits;
}

std::string HexDigits(std::uint32_t n)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), hex[n % 16]);
        n /= 16;
    } while (n != 0);
    return digits;
}

// A replacement never forms the placeholder it replaces (its digits hold no "$", "n" or "h"),
// so going on after the inserted text gives what a search from the start would, and ends.
void ReplaceEvery(std::string &text, std::string_view placeholder, const std::string &value)
{
    std::size_t pos = FindCommand(text, placeholder);
    while (pos != std::string::npos) {
        text.replace(pos, placeholder.size(), value);
        pos = FindCommand(text, placeholder, pos + value.size());
    }
}

} // namespace

std::string FormatPageNumber(std::int64_t n, int numberLength)
{
    std::string text = std::to_string(n);
    if (static_cast<int>(text.size()) < numberLength)
        text.insert(0, static_cast<std::size_t>(numberLength) - text.size(), '0');
    return text;
}

bool HasPageNamePlaceholder(std::string_view name)
{
    return ContainsCommand(name, "$nd$") || ContainsCommand(name, "$nb$") ||
           ContainsCommand(name, "$nh$");
}

std::string ApplyPageNamePlaceholders(std::string_view name, std::int32_t n, int numberLength)
{
    const auto bits = static_cast<std::uint32_t>(n);
    std::string text(name);
    ReplaceEvery(text, "$nd$", FormatPageNumber(n, numberLength));
    ReplaceEvery(text, "$nb$", BinaryDigits(bits));
    ReplaceEvery(text, "$nh$", HexDigits(bits));
    return text;
}

std::string PageFileName(int k, std::int64_t firstPageNumber, const PageNameOptions &options)
{
    if (k == 1 && options.usedifferentfirst)
        return options.differentfilename + ".html";
    const std::int64_t number = firstPageNumber + k - 1;
    if (!HasPageNamePlaceholder(options.ownfilename))
        return options.ownfilename + FormatPageNumber(number, options.ScrollBar4) + ".html";
    return ApplyPageNamePlaceholders(options.ownfilename, static_cast<std::int32_t>(number),
                                     options.ScrollBar4) +
           ".html";
}

bool IsSafePageName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::string FirstPageName(const PageNameOptions &options, const std::string &pageCounterText)
{
    if (options.usedifferentfirst)
        return options.differentfilename + ".html";
    if (!HasPageNamePlaceholder(options.ownfilename))
        return options.ownfilename + pageCounterText + ".html";
    std::int32_t number = 0;
    for (const char c : pageCounterText) {
        if (c >= '0' && c <= '9')
            number = number * 10 + (c - '0');
    }
    return ApplyPageNamePlaceholders(options.ownfilename, number, options.ScrollBar4) + ".html";
}

} // namespace pagoranto
