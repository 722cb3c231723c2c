#pragma once

#include <array>
#include <string>

namespace pagoranto {

// The hidden options window's values. The "use" boxes, radio groups, web addresses and the two
// special switches are not stored and start with these defaults at every program start.
struct HiddenOptions {
    bool usecommentcommand = true;
    std::string hcomment = "A photo gallery made with Pagoranto";
    bool useauthorcommand = true;
    std::string hauthor = "Photos and text: the gallery's author, all rights reserved";
    bool usekeywordscommand = true;
    std::string hkeywords = "photos,gallery,pictures";
    bool usepagecommand = true;
    std::string hpagetitle = "VudarodOzododi $count$ of $total$";
    bool usetargetcommand = false;
    std::string htarget = "_blank";

    int radioalternative = 1;  // 0 file name, 1 own text as ALT of thumbnails
    std::string alternativetext = "Click me for full view !";
    int radioPICalternative = 1;  // 0 file name, 1 own text as ALT of the picture
    std::string alternativePPIICCtext = "This picture belongs to the gallery's author";

    bool showfilename = false;
    bool showdimensions = false;
    bool showfilesize = false;
    bool showcomment = false;
    bool showfilenamewithextension = false;
    bool showfullcomment = false;

    int RadioGroup1 = 1;  // $PIC$ special: 0 link to the picture, 1 link to Edit2
    int RadioGroup2 = 0;  // $TPIC$ special: 0 no link, 1 link to Edit1
    std::string Edit1 = "http://www.example.com/";
    std::string Edit2 = "http://www.example.com/";
    bool tpicspecial = false;
    bool picspecial = false;

    // editfield_html0 .. editfield_html9, indexed by their digit.
    std::array<std::string, 10> editfield_html = {
        "<a href=\"pictures.zip\">Download all pictures</a>",
        "<a href=\"../index.html\">Home</a>",
        "<a href=\"mailto:someone@example.com\">Mail me</a>",
        "<b>Picture $count$ of $total$</b>",
        "<i>Made on $dateeng$</i>",
        "",
        "",
        "",
        "",
        "",
    };
};

} // namespace pagoranto
