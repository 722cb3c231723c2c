#include "core/options/windowcontrols.h"

#include "core/options/optionentries.h"
#include "core/options/optionfile.h"

#include <algorithm>
#include <functional>

namespace pagoranto {

namespace {

using Setter = std::function<void(WindowControlValues &, std::string_view)>;

struct Entry {
    WindowControl control;
    Setter set;
};

Setter Flag(bool &(*member)(WindowControlValues &))
{
    return [member](WindowControlValues &values, std::string_view text) {
        member(values) = DecodeFlag(text);
    };
}

Setter Number(int &(*member)(WindowControlValues &), int minimum, int maximum)
{
    return [member, minimum, maximum](WindowControlValues &values, std::string_view text) {
        if (const std::optional<int> number = DecodeNumber(text, minimum, maximum))
            member(values) = *number;
    };
}

Setter Text(std::string &(*member)(WindowControlValues &))
{
    return [member](WindowControlValues &values, std::string_view text) {
        member(values) = std::string(text);
    };
}

// A separator is one character; an empty text writes none.
Setter Separator(char &(*member)(WindowControlValues &))
{
    return [member](WindowControlValues &values, std::string_view text) {
        member(values) = text.empty() ? '\0' : text.front();
    };
}

#define FIELD(expression)                                                                          \
    [](WindowControlValues & v) -> auto &                                                          \
    {                                                                                              \
        return v.expression;                                                                       \
    }

const std::vector<Entry> &Entries()
{
    static const std::vector<Entry> entries = {
        {{"usedifferentfirst", "the first page gets its own name (differentfilename)", "0"},
         Flag(FIELD(settings.pageNames.usedifferentfirst))},
        {{"ScrollBar4", "the least number of digits of a page number, 1 to 7", "4"},
         Number(FIELD(settings.pageNames.ScrollBar4), 1, 7)},
        {{"Counterreset", "the page counter goes back to 1 after every run", "1"},
         Flag(FIELD(settings.pageNames.Counterreset))},
        {{"HeaderUse", "the header text (HEAD) is inserted into every page", "0"},
         Flag(FIELD(settings.headerFooter.HeaderUse))},
        {{"FooterUse", "the footer text (FOOT) is inserted into every page", "0"},
         Flag(FIELD(settings.headerFooter.FooterUse))},
        {{"usecommentcommand", "the hidden comment is written", "1"},
         Flag(FIELD(settings.hidden.usecommentcommand))},
        {{"useauthorcommand", "the hidden author is written", "1"},
         Flag(FIELD(settings.hidden.useauthorcommand))},
        {{"usekeywordscommand", "the hidden keywords are written", "1"},
         Flag(FIELD(settings.hidden.usekeywordscommand))},
        {{"usepagecommand", "the hidden page title is written", "1"},
         Flag(FIELD(settings.hidden.usepagecommand))},
        {{"usetargetcommand", "the hidden link target is written", "0"},
         Flag(FIELD(settings.hidden.usetargetcommand))},
        {{"radioalternative", "ALT of the thumbnails: 0 the file name, 1 the own text", "1"},
         Number(FIELD(settings.hidden.radioalternative), 0, 1)},
        {{"radioPICalternative", "ALT of the picture: 0 the file name, 1 the own text", "1"},
         Number(FIELD(settings.hidden.radioPICalternative), 0, 1)},
        {{"RadioGroup1", "the special picture links to: 0 the picture, 1 Edit2", "1"},
         Number(FIELD(settings.hidden.RadioGroup1), 0, 1)},
        {{"RadioGroup2", "the special thumbnail links to: 0 nothing, 1 Edit1", "0"},
         Number(FIELD(settings.hidden.RadioGroup2), 0, 1)},
        {{"Edit1", "the address the special thumbnail links to", "http://www.example.com/"},
         Text(FIELD(settings.hidden.Edit1))},
        {{"Edit2", "the address the special picture links to", "http://www.example.com/"},
         Text(FIELD(settings.hidden.Edit2))},
        {{"tpicspecial", "thumbnails are written in their special form", "0"},
         Flag(FIELD(settings.hidden.tpicspecial))},
        {{"picspecial", "the picture is written in its special form", "0"},
         Flag(FIELD(settings.hidden.picspecial))},
        {{"Linkchecker", "the free text is written as it is, markup included", "0"},
         Flag(FIELD(settings.linkTexts.Linkchecker))},
        {{"AspectRatio", "pictures are shown fitted to the box of AspectRatioBox", "0"},
         Flag(FIELD(settings.special.AspectRatio))},
        {{"AspectRatioBox",
          "the box: 0 100x100, 1 200x200, 2 300x300, 3 400x400, 4 320x240, 5 640x480, "
          "6 800x600, 7 1024x768",
          "0"},
         [](WindowControlValues &values, std::string_view text) {
             if (const std::optional<int> box = DecodeNumber(text, 0, 7))
                 values.settings.special.aspectRatioBox = static_cast<AspectRatioBox>(*box);
         }},
        {{"filecopyallowed", "the needed files of the template are offered for copying", "1"},
         Flag(FIELD(settings.special.filecopyallowed))},
        {{"allReturns", "page code without line breaks (\"delete all returns\")", "0"},
         Flag(FIELD(settings.allReturns))},
        {{"ShortDateFormat", "the short date format of the date commands", "yyyy-mm-dd"},
         Text(FIELD(formats.shortDateFormat))},
        {{"LongTimeFormat", "the long time format of the time commands", "hh:mm:ss"},
         Text(FIELD(formats.longTimeFormat))},
        {{"DateSeparator", "the character written for \"/\" in dates; empty: none", "-"},
         Separator(FIELD(formats.dateSeparator))},
        {{"TimeSeparator", "the character written for \":\" in times; empty: none", ":"},
         Separator(FIELD(formats.timeSeparator))},
        {{"WebSizePictures", "pages show web-size copies of photos larger than the box", "0"},
         Flag(FIELD(settings.webSize.WebSizePictures))},
        {{"WebSizeWidth", "the width of the web-size box, 16 to 10000", "1600"},
         Number(FIELD(settings.webSize.WebSizeWidth), 16, 10000)},
        {{"WebSizeHeight", "the height of the web-size box, 16 to 10000", "1200"},
         Number(FIELD(settings.webSize.WebSizeHeight), 16, 10000)},
        {{"webdir", "the folder of the web-size copies, beside the thumbnails", "web"},
         [](WindowControlValues &values, std::string_view text) {
             Bind(webSizeFields::webdir, values.settings.webSize.webdir).decode(text);
         }},
    };
    return entries;
}

#undef FIELD

const Entry *Find(std::string_view name)
{
    const std::vector<Entry> &entries = Entries();
    const auto found = std::find_if(entries.begin(), entries.end(), [name](const Entry &entry) {
        return entry.control.name == name;
    });
    return found == entries.end() ? nullptr : &*found;
}

} // namespace

const std::vector<WindowControl> &WindowOnlyControls()
{
    static const std::vector<WindowControl> controls = [] {
        std::vector<WindowControl> result;
        for (const Entry &entry : Entries())
            result.push_back(entry.control);
        return result;
    }();
    return controls;
}

bool IsWindowOnlyControl(std::string_view name)
{
    return Find(name) != nullptr;
}

bool SetWindowControl(WindowControlValues values, std::string_view name, std::string_view text)
{
    const Entry *entry = Find(name);
    if (!entry)
        return false;
    entry->set(values, text);
    return true;
}

} // namespace pagoranto
