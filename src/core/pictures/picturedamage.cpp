#include "core/pictures/picturedamage.h"

#include <array>
#include <string_view>

namespace pagoranto {

namespace {

// The decoder says so of a file that ends early, as a warning or as the failure itself.
constexpr std::string_view cutOffStart = "Premature end of";

struct Wording {
    std::string_view decoderStart; // the decoder's message starts so
    std::string_view plain;
};

// The decoder's messages that users meet, with what they mean for the file.
constexpr std::array wordings{
    Wording{"Empty input file", "The file is empty."},
    Wording{"Cannot open", "The file cannot be opened."},
    Wording{"Not a JPEG file", "The file is not a JPEG picture."},
    Wording{cutOffStart, "The file is cut off: it ends before the picture does."},
    Wording{"JPEG datastream contains no image", "The file holds no picture data."},
    Wording{"Corrupt JPEG data: premature end of data segment",
            "Part of the picture data is missing."},
    Wording{"Corrupt JPEG data", "The picture data are damaged."},
    Wording{"Picture too large to decode", "The picture is too large to be shown."},
    Wording{"Not enough memory for the picture", "There is not enough memory for the picture."},
    Wording{"Unsupported", "The picture is stored in a way this program cannot read."},
};

constexpr std::string_view harmlessWarning = "Corrupt JPEG data: ";
constexpr std::string_view harmlessWarningEnd = " extraneous bytes before marker";

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

std::string PlainReason(std::string_view decoderText)
{
    for (const Wording &wording : wordings)
        if (StartsWith(decoderText, wording.decoderStart))
            return std::string(wording.plain);
    return "The picture data are damaged (" + std::string(decoderText) + ").";
}

bool Harmless(std::string_view warning)
{
    return StartsWith(warning, harmlessWarning) &&
           warning.find(harmlessWarningEnd) != std::string_view::npos;
}

} // namespace

PictureCondition ConditionOf(const JpegDecodeResult &decoded)
{
    if (!decoded.image)
        return {PictureDamage::unreadable,
                PlainReason(StartsWith(decoded.warning, cutOffStart) ? decoded.warning
                                                                     : decoded.error)};
    if (decoded.warning.empty() || Harmless(decoded.warning))
        return {};
    return {PictureDamage::partly, PlainReason(decoded.warning)};
}

} // namespace pagoranto
