#include "core/generator/commandlist.h"

#include "core/text/bytetext.h"

namespace pagoranto {

namespace {

constexpr std::string_view htmlTagsHelp = "Inserts at this position html tags";
constexpr std::string_view htmlTagsHelpGerman = "Html-Tags an dieser Stelle einfügen";

constexpr std::array<TemplateCommand, commandListSize> commands = {{
    {"$PIC$", "Inserts the actual picture", "Das aktuelle Bild wird eingefügt"},
    {"$FILENAME$", "Inserts the file name of the actual picture",
     "Der Dateiname des aktuellen Bilds wird eingefügt"},
    {"$FILESIZE$", "Inserts the file size (kb) of the actual picture",
     "Die Dateigröße (kb) des aktuellen Bilds wird eingefügt"},
    {"$DIMENSION$", "Inserts the dimensions of the actual picture",
     "Die Dimensionen des aktuellen Bilds werden eingefügt."},
    {"$NEXT$", "Inserts a link to the next picture",
     "Ein Link auf das nächste Bild wird eingefügt"},
    {"$PREVIOUS$", "Inserts a link to the previous picture",
     "Ein Link auf das vorherige Bild wird eingefügt"},
    {"$FIRST$", "Inserts a link to the first picture",
     "Ein Link auf das erste Bild wird eingefügt"},
    {"$LAST$", "Inserts a link to the last picture", "Ein Link auf das letzte Bild wird eingefügt"},
    {"$COUNT$", "Inserts the number of the actual picture",
     "Die aktuelle Bildnummer wird eingefügt"},
    {"$TOTAL$", "Inserts the total number of the pictures",
     "Die Gesamtanzahl der Bilder wird eingefügt"},
    {"$DATEENG$", "Inserts date in english format", "Englisches Datum einfügen"},
    {"$DATEGER$", "Inserts date in german format", "Deutsches Datum einfügen"},
    {"$TIME$", "Inserts actual time", "Aktuelle Zeit einfügen"},
    {"$FREETEXT$", "Inserts a text", "Freien Text einfügen"},
    {"$SN$", "Start:Lay the next link around a graphic/text",
     "Start:Startet einen Link auf das nächste Bild [um eine(n) Grafik/Text]"},
    {"$EN$", "End:Lay the next link around a graphic/text",
     "Ende:Beendet einen Link auf das nächste Bild, [um eine(n) Grafik/Text]"},
    {"$SP$", "Start:Lay the previous link around a graphic/text",
     "Start:Startet einen Link auf das vorherige Bild, [um eine(n) Grafik/Text]"},
    {"$EP$", "End:Lay the previous link around a graphic/text",
     "Ende:Beendet einen Link auf das vorherige Bild, [um eine(n) Grafik/Text]"},
    {"$SF$", "Start:Lay the first link around a graphic/text",
     "Start:Startet einen Link auf das erste Bild, [um eine(n) Grafik/Text]"},
    {"$EF$", "End:Lay the first link around a graphic/text",
     "Ende:Beendet einen Link auf das erste Bild, [um eine(n) Grafik/Text]"},
    {"$SL$", "Start:Lay the last link around a graphic/text",
     "Start:Startet einen Link auf das letzte Bild, [um eine(n) Grafik/Text]"},
    {"$EL$", "End:Lay the last link around a graphic/text",
     "Ende:Beendet einen Link auf das letzte Bild, [um eine(n) Grafik/Text]"},
    {"$FILENAMEWEU$", "Inserts the file name of the actual picture (without extension, upcased)",
     "Der Dateiname des aktuellen Bilds wird eingefügt (ohne Endung, Großbuchstaben)"},
    {"$FILENAMEWED$", "Inserts the file name of the actual picture (without extension, downcased)",
     "Der Dateiname des aktuellen Bilds wird eingefügt (ohne Endung, Kleinbuchstaben)"},
    {"$FILENAMEWE$", "Inserts the file name of the actual picture (without extension)",
     "Der Dateiname des aktuellen Bilds wird eingefügt (ohne Endung)"},
    {"$TPIC$", "Inserts at this position a thumbnail picture",
     "Füge an dieser Position ein Vorschaubild ein"},
    {"$NAVIGATE$", "Inserts at this position a navigation bar",
     "Füge an dieser Position eine Navigationsleiste ein"},
    {"$APAGE$", "Inserts at this position the name of the actual page",
     "Füge an dieser Position den Seitennamen der aktuellen Seite ein"},
    {"$NPAGE$", "Inserts at this position the name of the next page",
     "Füge an dieser Position den Seitennamen der nächsten Seite ein"},
    {"$PPAGE$", "Inserts at this position the name of the previous page",
     "Füge an dieser Position den Seitennamen der vorherigen Seite ein"},
    {"$HOME$", "Inserts at this position a link to the homepage",
     "Füge an dieser Position einen Link zur Homepage ein"},
    {"$SH$", "Start:Lay the link to the homepage around a graphic/text",
     "Start:Startet einen Link auf die Homepage, [um eine(n) Grafik/Text]"},
    {"$EH$", "End:Lay the link to the homepage around a graphic/text",
     "Ende:Beendet einen Link auf die Homepage, [um eine(n) Grafik/Text]"},
    {"$HTML1$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$HTML2$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$HTML3$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$HTML4$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$PCOMMENT$", "Inserts at this position the comment for the $PIC$-command",
     "Füge an dieser Position den Kommentar für den $PIC$-Befehl ein"},
    {"$PCOMMENTFL$", "Inserts at this position the first line of the comment for the $PIC$-command",
     "Füge an dieser Position die erste Zeile des Kommentars für den $PIC$-Befehl ein"},
    {"$HTML0$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$HTML5$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$HTML6$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$HTML7$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$HTML8$", htmlTagsHelp, htmlTagsHelpGerman},
    {"$HTML9$", htmlTagsHelp, htmlTagsHelpGerman},
}};

} // namespace

const std::array<TemplateCommand, commandListSize> &commandList()
{
    return commands;
}

std::size_t CommandIndex(std::string_view command)
{
    const std::string wanted = AsciiUpperCase(command);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (commands[i].text == wanted)
            return i;
    }
    return commandListSize;
}

} // namespace pagoranto
