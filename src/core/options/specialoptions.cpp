#include "core/options/specialoptions.h"

namespace pagoranto {

BoxSize BoxSizeOf(AspectRatioBox box)
{
    switch (box) {
    case AspectRatioBox::x100100:
        return {100, 100};
    case AspectRatioBox::x200200:
        return {200, 200};
    case AspectRatioBox::x300300:
        return {300, 300};
    case AspectRatioBox::x400400:
        return {400, 400};
    case AspectRatioBox::x320240:
        return {320, 240};
    case AspectRatioBox::x640480:
        return {640, 480};
    case AspectRatioBox::x800600:
        return {800, 600};
    case AspectRatioBox::x1024768:
        return {1024, 768};
    }
    return {100, 100};
}

} // namespace pagoranto
