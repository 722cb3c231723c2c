#include "core/generator/oldpages.h"

#include "core/generator/pagenames.h"
#include "core/options/pagenameoptions.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <system_error>

namespace pagoranto {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view pageExtension = ".html";
constexpr std::size_t pagesNamedInQuestion = 5;
constexpr std::size_t maxDecimalDigits = 18; // below the overflow of a 64-bit number

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f');
}

std::optional<std::int64_t> ParseNumber(std::string_view text, int base)
{
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text)
        value = value * base + (IsDigit(c) ? c - '0' : c - 'a' + 10);
    return value;
}

// Where the first placeholder of a name stands, and which it is ('d', 'b' or 'h').
struct Placeholder {
    std::size_t position = std::string_view::npos;
    char kind = 0;
};

Placeholder FirstPlaceholder(std::string_view name)
{
    Placeholder first;
    for (std::size_t i = 0; i + 4 <= name.size(); ++i) {
        if (name[i] != '$' || (name[i + 1] | 0x20) != 'n' || name[i + 3] != '$')
            continue;
        const char kind = static_cast<char>(name[i + 2] | 0x20);
        if (kind == 'd' || kind == 'b' || kind == 'h')
            return {i, kind};
    }
    return first;
}

// The numbers the text at the start of rest may stand for in a placeholder of that kind.
std::vector<std::int64_t> Candidates(std::string_view rest, char kind)
{
    std::vector<std::int64_t> numbers;
    if (kind == 'b') {
        if (rest.size() >= 32 && std::all_of(rest.begin(), rest.begin() + 32,
                                             [](char c) { return c == '0' || c == '1'; }))
            numbers.push_back(static_cast<std::int32_t>(*ParseNumber(rest.substr(0, 32), 2)));
        return numbers;
    }
    const auto accepted = kind == 'd' ? IsDigit : IsHexDigit;
    const std::size_t longest = kind == 'd' ? maxDecimalDigits : 8;
    for (std::size_t length = 1;
         length <= std::min(longest, rest.size()) && accepted(rest[length - 1]); ++length)
        numbers.push_back(*ParseNumber(rest.substr(0, length), kind == 'd' ? 10 : 16));
    return numbers;
}

} // namespace

std::optional<std::int64_t> PageNumberOfName(std::string_view fileName,
                                             const PageNameOptions &options)
{
    if (!fileName.ends_with(pageExtension))
        return std::nullopt;
    const std::string_view stem = fileName.substr(0, fileName.size() - pageExtension.size());
    const std::string_view own = options.ownfilename;
    if (!HasPageNamePlaceholder(own)) {
        if (!stem.starts_with(own))
            return std::nullopt;
        const std::string_view digits = stem.substr(own.size());
        if (digits.size() > maxDecimalDigits || !std::all_of(digits.begin(), digits.end(), IsDigit))
            return std::nullopt;
        const std::optional<std::int64_t> number = ParseNumber(digits, 10);
        if (number && FormatPageNumber(*number, options.ScrollBar4) == digits)
            return number;
        return std::nullopt;
    }
    // Whatever the first placeholder reads as is checked by writing the name anew.
    const Placeholder first = FirstPlaceholder(own);
    if (first.position == std::string_view::npos ||
        !stem.starts_with(own.substr(0, first.position)))
        return std::nullopt;
    for (const std::int64_t number : Candidates(stem.substr(first.position), first.kind)) {
        if (number < 0 || number > INT32_MAX)
            continue;
        if (ApplyPageNamePlaceholders(own, static_cast<std::int32_t>(number), options.ScrollBar4) ==
            stem)
            return number;
    }
    return std::nullopt;
}

std::vector<std::string> FindOldPages(const std::string &outputDir, const PagePlan &plan,
                                      std::int64_t firstPageNumber, const PageNameOptions &options)
{
    const std::int64_t lastNumber = firstPageNumber + plan.pageCount - 1;
    const std::string oldFirstPage = options.usedifferentfirst || options.differentfilename.empty()
                                         ? std::string()
                                         : options.differentfilename + std::string(pageExtension);
    std::vector<std::string> old;
    std::error_code error;
    for (fs::directory_iterator entry(outputDir, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code typeError;
        if (!entry->is_regular_file(typeError) || entry->is_symlink(typeError))
            continue;
        const std::string name = entry->path().filename().string();
        if (std::find(plan.pageNameList.begin(), plan.pageNameList.end(), name) !=
            plan.pageNameList.end())
            continue;
        const std::optional<std::int64_t> number = PageNumberOfName(name, options);
        const bool numberedOld =
            number &&
            (*number > lastNumber || (options.usedifferentfirst && *number == firstPageNumber));
        if (numberedOld || name == oldFirstPage)
            old.push_back(name);
    }
    std::sort(old.begin(), old.end());
    return old;
}

std::string OldPagesQuestion(const std::string &outputDir, const std::vector<std::string> &pages)
{
    std::string text = std::to_string(pages.size()) + (pages.size() == 1 ? " page" : " pages") +
                       " of an earlier gallery with the same page names " +
                       (pages.size() == 1 ? "is" : "are") + " in\r" + outputDir +
                       "\rand will not be written by this run:\r";
    for (std::size_t i = 0; i < pages.size() && i < pagesNamedInQuestion; ++i)
        text += "\r    " + pages[i];
    if (pages.size() > pagesNamedInQuestion)
        text += "\r    ... and " + std::to_string(pages.size() - pagesNamedInQuestion) + " more";
    return text + "\r\rLeft there, they are published with the new gallery.\r\r"
                  "Yes: move them to the trash\rNo: keep them\rCancel: do not create the gallery";
}

} // namespace pagoranto
