#pragma once

#include "core/options/optionfield.h"

#include <cstdint>
#include <string>

namespace pagoranto {

// Colours hold red in the lowest byte, green in the second and blue in the third.
using ColourValue = std::uint32_t;

namespace thumbnailFields {
inline constexpr NumberField ScrollBar2{.key = "WIDT",
                                        .initial = 40,
                                        .minimum = 20,
                                        .maximum = 320,
                                        .encoding = NumberEncoding::zeroPadded};
inline constexpr NumberField ScrollBar3{.key = "HEIG",
                                        .initial = 30,
                                        .minimum = 15,
                                        .maximum = 240,
                                        .encoding = NumberEncoding::zeroPadded};
// JPEG quality.
inline constexpr NumberField ScrollBar1{.key = "COMP",
                                        .initial = 70,
                                        .minimum = 1,
                                        .maximum = 100,
                                        .encoding = NumberEncoding::zeroPadded};
inline constexpr FlagField CheckBox1{.key = "GREY", .initial = false};
inline constexpr NumberField Panel11 = ColourField("COLO", 8388608); // navy
inline constexpr NumberField Panel12 = ColourField("ECOL", 16777088);
inline constexpr NumberField RadioGroup2{.key = "GRAD", .initial = 0, .minimum = 0, .maximum = 7};
inline constexpr NumberField ScrollBar6{.key = "DIBB", .initial = 5, .minimum = 0, .maximum = 20};
inline constexpr NumberField ScrollBar5{.key = "DIBH", .initial = 5, .minimum = 0, .maximum = 20};
inline constexpr FlagField Drei3d_check{
    .key = "DDDR", .initial = false, .encoding = FlagEncoding::number};
inline constexpr NumberField ScrollBar4{.key = "BORD", .initial = 0, .minimum = 0, .maximum = 10};
// Only a plain name: the thumbnails must stay below the destination directory.
inline constexpr TextField thumbdir{.key = "DDIR",
                                    .initial = "thumbnails",
                                    .maxLength = 40,
                                    .allowed = nameCharacters,
                                    .encoding = TextEncoding::folderName};
} // namespace thumbnailFields

// The thumbnail options window's values, also the thumbnailer's input.
struct ThumbnailOptions {
    int ScrollBar2 = thumbnailFields::ScrollBar2.initial;      // width
    int ScrollBar3 = thumbnailFields::ScrollBar3.initial;      // height
    int ScrollBar1 = thumbnailFields::ScrollBar1.initial;      // JPEG quality
    bool CheckBox1 = thumbnailFields::CheckBox1.initial;       // greyscaled
    ColourValue Panel11 = thumbnailFields::Panel11.initial;    // gradient start
    ColourValue Panel12 = thumbnailFields::Panel12.initial;    // gradient end
    int RadioGroup2 = thumbnailFields::RadioGroup2.initial;    // gradient type
    int ScrollBar6 = thumbnailFields::ScrollBar6.initial;      // horizontal margin
    int ScrollBar5 = thumbnailFields::ScrollBar5.initial;      // vertical margin
    bool Drei3d_check = thumbnailFields::Drei3d_check.initial; // 3-D frame
    int ScrollBar4 = thumbnailFields::ScrollBar4.initial; // border width of the placed thumbnail
    std::string thumbdir{thumbnailFields::thumbdir.initial};

    // The thumbnail directory as pages address it, ending in "/".
    std::string thumbnailDir() const { return thumbdir + "/"; }
};

} // namespace pagoranto
