#include "core/options/thumbnailoptionsfile.h"

#include "core/options/optionfile.h"

#include <cstddef>

namespace pagoranto {
namespace {

constexpr std::size_t thumbDirMaxLength = 40;
constexpr int colourMaximum = 0xFFFFFF;

bool IsThumbDirCharacter(char c)
{
    return c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z');
}

// The field only takes what can be typed into it, so characters a file brings that could not be
// typed are dropped; this also keeps "..", "/" and "\" out of the thumbnail path.
std::string ThumbDirFromFile(std::string_view value)
{
    std::string name;
    for (const char c : StripTrailingBackslash(value)) {
        if (IsThumbDirCharacter(c) && name.size() < thumbDirMaxLength)
            name += c;
    }
    return name;
}

void ReadNumber(OptionFileReader &reader, std::string_view key, int minimum, int maximum,
                int &field)
{
    if (const auto value = reader.next(key)) {
        if (const auto number = DecodeNumber(*value, minimum, maximum))
            field = *number;
    }
}

void ReadColour(OptionFileReader &reader, std::string_view key, ColourValue &field)
{
    int colour = static_cast<int>(field);
    ReadNumber(reader, key, 0, colourMaximum, colour);
    field = static_cast<ColourValue>(colour);
}

void ReadFlag(OptionFileReader &reader, std::string_view key, bool &field)
{
    if (const auto value = reader.next(key))
        field = DecodeFlag(*value);
}

// The entries from DIBB on, read the same way whether the section line matched or not.
void ReadFromMargins(OptionFileReader &reader, ThumbnailOptions &options)
{
    ReadNumber(reader, "DIBB", 0, 20, options.ScrollBar6);
    ReadNumber(reader, "DIBH", 0, 20, options.ScrollBar5);
    ReadColour(reader, "ECOL", options.Panel12);
    ReadNumber(reader, "GRAD", 0, 7, options.RadioGroup2);
    ReadFlag(reader, "DDDR", options.Drei3d_check);
    ReadNumber(reader, "BORD", 0, 10, options.ScrollBar4);
}

} // namespace

bool WriteThumbnailerOptions(const std::filesystem::path &file, const ThumbnailerFile &values)
{
    const ThumbnailOptions &options = values.options;
    OptionFileWriter writer(thumbnailerSectionLine);
    writer.add("SDIR", values.destinationDir);
    writer.add("PDIR", values.pictureRelPath);
    writer.add("DDIR", options.thumbnailDir());
    writer.add("WIDT", ZeroPad3(std::to_string(options.ScrollBar2)));
    writer.add("HEIG", ZeroPad3(std::to_string(options.ScrollBar3)));
    writer.add("COMP", ZeroPad3(std::to_string(options.ScrollBar1)));
    writer.addNumber("COLO", options.Panel11);
    writer.addFlag("GREY", options.CheckBox1);
    // TIME and ACTI mean something to the thumbnailer only; their values are fixed.
    writer.add("TIME", "100");
    writer.add("ACTI", "1");
    writer.addNumber("DIBB", options.ScrollBar6);
    writer.addNumber("DIBH", options.ScrollBar5);
    writer.addNumber("ECOL", options.Panel12);
    writer.addNumber("GRAD", options.RadioGroup2);
    writer.addFlag("DDDR", options.Drei3d_check);
    writer.addNumber("BORD", options.ScrollBar4);
    return writer.save(file);
}

bool ReadThumbnailerOptions(const std::filesystem::path &file, ThumbnailerFile &values)
{
    auto reader = OptionFileReader::openUnchecked(file);
    if (!reader)
        return false;
    ThumbnailOptions &options = values.options;
    if (!reader->sectionMatches(thumbnailerSectionLine)) {
        // A foreign file is not refused: the keys up to GREY are passed over without taking a
        // line, so the lines after the first are looked at as TIME, ACTI and DIBB.
        reader->skip(2);
        ReadFromMargins(*reader, options);
        return true;
    }
    if (const auto value = reader->next("SDIR"))
        values.destinationDir = *value;
    if (const auto value = reader->next("PDIR"))
        values.pictureRelPath = *value;
    if (const auto value = reader->next("DDIR")) {
        // An empty name would put the thumbnails beside the pages, over pictures lying there.
        std::string name = ThumbDirFromFile(*value);
        if (!name.empty())
            options.thumbdir = std::move(name);
    }
    ReadNumber(*reader, "WIDT", 20, 320, options.ScrollBar2);
    ReadNumber(*reader, "HEIG", 15, 240, options.ScrollBar3);
    ReadNumber(*reader, "COMP", 1, 100, options.ScrollBar1);
    ReadColour(*reader, "COLO", options.Panel11);
    ReadFlag(*reader, "GREY", options.CheckBox1);
    reader->skip(2);
    ReadFromMargins(*reader, options);
    return true;
}

} // namespace pagoranto
