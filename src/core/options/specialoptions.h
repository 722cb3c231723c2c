#pragma once

namespace pagoranto {

// The boxes of "Calculate aspect ratio for the pictures", in their radio-button order.
enum class AspectRatioBox {
    x100100,
    x200200,
    x300300,
    x400400,
    x320240,
    x640480,
    x800600,
    x1024768
};

struct BoxSize {
    int width;
    int height;
};

BoxSize BoxSizeOf(AspectRatioBox box);

// The main window's special options tab, apart from the page names.
struct SpecialOptions {
    bool AspectRatio = false;
    AspectRatioBox aspectRatioBox = AspectRatioBox::x100100;
    bool filecopyallowed = true;
    bool createthumbnails = false;
    bool pagecompressor = false;
};

} // namespace pagoranto
