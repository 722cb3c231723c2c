#include "core/options/additionaloptionsfile.h"

namespace pagoranto {

namespace {

constexpr std::size_t linkTextLength = 80;
constexpr std::size_t freeTextLength = 200;
constexpr std::size_t copyNameLength = 20;

OptionEntry BrowserEntry(AdditionalOptions &options)
{
    return {"BROW",
            [&options] { return std::to_string(static_cast<int>(options.browserStart)); },
            [&options](std::string_view value) {
                if (!value.empty() && value[0] >= '0' && value[0] <= '3')
                    options.browserStart = static_cast<BrowserStart>(value[0] - '0');
            }};
}

OptionEntry BaseSizeEntry(AdditionalOptions &options)
{
    return {"THUS", [&options] { return std::to_string(options.basesize); },
            [&options](std::string_view value) {
                if (!value.empty() && value[0] >= '0' && value[0] <= '2')
                    options.basesize = value[0] - '0';
            }};
}

} // namespace

OptionEntries CommandConfigEntries(LinkTexts &texts)
{
    return {
        TextEntry("NEXT", texts.Next_label, linkTextLength),
        TextEntry("PREV", texts.previous_label, linkTextLength),
        TextEntry("FIRS", texts.first_label, linkTextLength),
        TextEntry("LAST", texts.Last_label, linkTextLength),
        TextEntry("FREE", texts.freetext, freeTextLength),
        TextEntry("HOME", texts.homepage_label, linkTextLength),
        TextEntry("HOMT", texts.homepage_label_text, linkTextLength),
    };
}

OptionEntries AdditionalOptionEntries(LinkTexts &texts, PageNameOptions &names,
                                      AdditionalOptions &options)
{
    return {
        TextEntry("NEXT", texts.Next_label, linkTextLength),
        TextEntry("PREV", texts.previous_label, linkTextLength),
        TextEntry("FIRS", texts.first_label, linkTextLength),
        TextEntry("LAST", texts.Last_label, linkTextLength),
        TextEntry("FREE", texts.freetext, freeTextLength),
        BrowserEntry(options),
        BaseSizeEntry(options),
        TextEntry("PAGN", names.ownfilename, linkTextLength),
        TextEntry("NEWO", options.Edit1, copyNameLength),
        TextEntry("ONEW", options.Edit2, copyNameLength),
        TextEntry("NEWN", options.Edit3, copyNameLength),
        TextEntry("NNEW", options.Edit4, copyNameLength),
        TextEntry("FPDI", names.differentfilename, linkTextLength),
        TextEntry("HOME", texts.homepage_label, linkTextLength),
        TextEntry("HOMT", texts.homepage_label_text, linkTextLength),
    };
}

bool ReadAdditionalOptions(const std::filesystem::path &file, LinkTexts &texts,
                           PageNameOptions &names, AdditionalOptions &options)
{
    return ReadOptionEntries(file, additionalOptionsSectionLine,
                             AdditionalOptionEntries(texts, names, options));
}

bool WriteAdditionalOptions(const std::filesystem::path &file, const LinkTexts &texts,
                            const PageNameOptions &names, const AdditionalOptions &options)
{
    LinkTexts textsCopy = texts;
    PageNameOptions namesCopy = names;
    AdditionalOptions optionsCopy = options;
    return WriteOptionEntries(file, additionalOptionsSectionLine,
                              AdditionalOptionEntries(textsCopy, namesCopy, optionsCopy));
}

bool LoadCommandConfigData(const std::filesystem::path &file, LinkTexts &texts)
{
    return ReadOptionEntries(file, commandConfigSectionLine, CommandConfigEntries(texts));
}

bool SaveCommandConfigData(const std::filesystem::path &file, const LinkTexts &texts)
{
    LinkTexts copy = texts;
    return WriteOptionEntries(file, commandConfigSectionLine, CommandConfigEntries(copy));
}

} // namespace pagoranto
