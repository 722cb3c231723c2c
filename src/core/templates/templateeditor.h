#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pagoranto {

// Texts the template source editor puts at the cursor, and its rule for empty lines.

inline constexpr std::size_t maxTemplateEditorCharacters = 200000;

// True when nothing but blanks and control characters is left after trimming both ends.
bool IsEmptyTemplateLine(std::string_view line);

// "#RRGGBB" with two upper-case hexadecimal digits per part; parts are clamped to 0..255.
std::string HtmlColourValue(int red, int green, int blue);

// "<!--name-->" with the file name (no directory) of the file saved as, else of the template
// as it was opened.
std::string TemplateNameComment(std::string_view savedAsFile,
                                std::string_view templateNameForComment);

// "<!--dd.mm.yyyy-->", whatever the system's date format.
std::string DateComment(int year, int month, int day);

// The template for its preview, which is written elsewhere: a <base> to the template's own
// directory, first thing in its head, lets the stylesheet and pictures it names be found.
// Unchanged without a directory.
std::string PreviewWithBase(std::string_view page, std::string_view templateDirectory);

} // namespace pagoranto
