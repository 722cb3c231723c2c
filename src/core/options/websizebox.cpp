#include "core/options/websizebox.h"

namespace pagoranto {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<int> Side(std::string_view text, const NumberField &field)
{
    text = Trimmed(text);
    // Five digits reach the largest side; more would only overflow.
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < field.minimum || value > field.maximum)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<PixelSize> ParseWebSizeBox(std::string_view text)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos)
        return std::nullopt;
    const std::optional<int> width = Side(text.substr(0, x), webSizeFields::WebSizeWidth);
    const std::optional<int> height = Side(text.substr(x + 1), webSizeFields::WebSizeHeight);
    if (!width || !height)
        return std::nullopt;
    return PixelSize{*width, *height};
}

std::string WebSizeBoxText(PixelSize box)
{
    return std::to_string(box.width) + " x " + std::to_string(box.height);
}

std::string WebSizeTargetText(std::string_view destinationDir, const WebSizeOptions &options)
{
    if (!options.WebSizePictures)
        return "off";
    return std::string(destinationDir) + options.webDir() + " (" +
           WebSizeBoxText({options.WebSizeWidth, options.WebSizeHeight}) + ")";
}

} // namespace pagoranto
