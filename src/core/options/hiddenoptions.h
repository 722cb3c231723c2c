#pragma once

#include "core/options/optionfield.h"

#include <array>
#include <string>

namespace pagoranto {

namespace hiddenFields {
inline constexpr TextField hcomment{
    .key = "COMM", .initial = "A photo gallery made with Pagoranto", .maxLength = 200};
inline constexpr TextField hauthor{.key = "AUTH",
                                   .initial =
                                       "Photos and text: the gallery's author, all rights reserved",
                                   .maxLength = 200};
inline constexpr TextField hkeywords{
    .key = "KEYW", .initial = "photos,gallery,pictures", .maxLength = 200};
inline constexpr TextField hpagetitle{
    .key = "PAGT", .initial = "VudarodOzododi $count$ of $total$", .maxLength = 200};
inline constexpr TextField htarget{.key = "TARG", .initial = "_blank", .maxLength = 200};
inline constexpr TextField alternativetext{
    .key = "ALTE", .initial = "Click me for full view !", .maxLength = 200};
inline constexpr TextField alternativePPIICCtext{
    .key = "ALTP", .initial = "This picture belongs to the gallery's author", .maxLength = 200};

inline constexpr FlagField showfilename{.key = "SFIL", .initial = false};
inline constexpr FlagField showdimensions{.key = "SDIM", .initial = false};
inline constexpr FlagField showfilesize{.key = "SSIZ", .initial = false};
inline constexpr FlagField showcomment{.key = "TCOM", .initial = false};
inline constexpr FlagField showfilenamewithextension{.key = "FEXT", .initial = false};
inline constexpr FlagField showfullcomment{.key = "FUCO", .initial = false};

// editfield_html0 .. editfield_html9, indexed by their digit.
inline constexpr std::array<TextField, 10> editfield_html = {{
    {.key = "HTM0", .initial = "<a href=\"pictures.zip\">Download all pictures</a>"},
    {.key = "HTM1", .initial = "<a href=\"../index.html\">Home</a>"},
    {.key = "HTM2", .initial = "<a href=\"mailto:someone@example.com\">Mail me</a>"},
    {.key = "HTM3", .initial = "<b>Picture $count$ of $total$</b>"},
    {.key = "HTM4", .initial = "<i>Made on $dateeng$</i>"},
    {.key = "HTM5", .initial = ""},
    {.key = "HTM6", .initial = ""},
    {.key = "HTM7", .initial = ""},
    {.key = "HTM8", .initial = ""},
    {.key = "HTM9", .initial = ""},
}};
} // namespace hiddenFields

// The hidden options window's values. The "use" boxes, radio groups, web addresses and the two
// special switches are not stored and start with these defaults at every program start.
struct HiddenOptions {
    bool usecommentcommand = true;
    std::string hcomment{hiddenFields::hcomment.initial};
    bool useauthorcommand = true;
    std::string hauthor{hiddenFields::hauthor.initial};
    bool usekeywordscommand = true;
    std::string hkeywords{hiddenFields::hkeywords.initial};
    bool usepagecommand = true;
    std::string hpagetitle{hiddenFields::hpagetitle.initial};
    bool usetargetcommand = false;
    std::string htarget{hiddenFields::htarget.initial};

    int radioalternative = 1; // 0 file name, 1 own text as ALT of thumbnails
    std::string alternativetext{hiddenFields::alternativetext.initial};
    int radioPICalternative = 1; // 0 file name, 1 own text as ALT of the picture
    std::string alternativePPIICCtext{hiddenFields::alternativePPIICCtext.initial};

    bool showfilename = hiddenFields::showfilename.initial;
    bool showdimensions = hiddenFields::showdimensions.initial;
    bool showfilesize = hiddenFields::showfilesize.initial;
    bool showcomment = hiddenFields::showcomment.initial;
    bool showfilenamewithextension = hiddenFields::showfilenamewithextension.initial;
    bool showfullcomment = hiddenFields::showfullcomment.initial;

    int RadioGroup1 = 1; // $PIC$ special: 0 link to the picture, 1 link to Edit2
    int RadioGroup2 = 0; // $TPIC$ special: 0 no link, 1 link to Edit1
    std::string Edit1 = "http://www.example.com/";
    std::string Edit2 = "http://www.example.com/";
    bool tpicspecial = false;
    bool picspecial = false;

    std::array<std::string, 10> editfield_html = InitialTexts(hiddenFields::editfield_html);
};

} // namespace pagoranto
