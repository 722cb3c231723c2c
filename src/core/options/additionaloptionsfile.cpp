#include "core/options/additionaloptionsfile.h"

namespace pagoranto {

namespace {

// The five link texts, then (after what a file puts between) the two home link texts.
OptionEntries LinkTextEntries(LinkTexts &texts)
{
    using namespace linkTextFields;
    return {
        Bind(Next_label, texts.Next_label),   Bind(previous_label, texts.previous_label),
        Bind(first_label, texts.first_label), Bind(Last_label, texts.Last_label),
        Bind(freetext, texts.freetext),
    };
}

void AppendHomeLinkEntries(OptionEntries &entries, LinkTexts &texts)
{
    entries.push_back(Bind(linkTextFields::homepage_label, texts.homepage_label));
    entries.push_back(Bind(linkTextFields::homepage_label_text, texts.homepage_label_text));
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
    using namespace additionalFields;
    OptionEntries entries = LinkTextEntries(texts);
    entries.push_back(Bind(browserStart, options.browserStart));
    entries.push_back(Bind(basesize, options.basesize));
    entries.push_back(Bind(pageNameFields::ownfilename, names.ownfilename));
    entries.push_back(Bind(Edit1, options.Edit1));
    entries.push_back(Bind(Edit2, options.Edit2));
    entries.push_back(Bind(Edit3, options.Edit3));
    entries.push_back(Bind(Edit4, options.Edit4));
    entries.push_back(Bind(pageNameFields::differentfilename, names.differentfilename));
    AppendHomeLinkEntries(entries, texts);
    return entries;
}

} // namespace pagoranto
