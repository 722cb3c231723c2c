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

// The five link texts, then (after what a file puts between) the two home link texts.
OptionEntries LinkTextEntries(LinkTexts &texts)
{
    return {
        TextEntry("NEXT", texts.Next_label, linkTextLength),
        TextEntry("PREV", texts.previous_label, linkTextLength),
        TextEntry("FIRS", texts.first_label, linkTextLength),
        TextEntry("LAST", texts.Last_label, linkTextLength),
        TextEntry("FREE", texts.freetext, freeTextLength),
    };
}

void AppendHomeLinkEntries(OptionEntries &entries, LinkTexts &texts)
{
    entries.push_back(TextEntry("HOME", texts.homepage_label, linkTextLength));
    entries.push_back(TextEntry("HOMT", texts.homepage_label_text, linkTextLength));
}

} // namespace

OptionEntries CommandConfigEntries(LinkTexts &texts)
{
    OptionEntries entries = LinkTextEntries(texts);
    AppendHomeLinkEntries(entries, texts);
    return entries;
}

OptionEntries AdditionalOptionEntries(LinkTexts &texts, PageNameOptions &names,
                                      AdditionalOptions &options)
{
    OptionEntries entries = LinkTextEntries(texts);
    entries.push_back(BrowserEntry(options));
    entries.push_back(BaseSizeEntry(options));
    entries.push_back(TextEntry("PAGN", names.ownfilename, linkTextLength));
    entries.push_back(TextEntry("NEWO", options.Edit1, copyNameLength));
    entries.push_back(TextEntry("ONEW", options.Edit2, copyNameLength));
    entries.push_back(TextEntry("NEWN", options.Edit3, copyNameLength));
    entries.push_back(TextEntry("NNEW", options.Edit4, copyNameLength));
    entries.push_back(TextEntry("FPDI", names.differentfilename, linkTextLength));
    AppendHomeLinkEntries(entries, texts);
    return entries;
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
