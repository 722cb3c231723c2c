#include "core/pictures/losslessturn.h"

#include "core/pictures/jpegsegments.h"

#include <algorithm>
#include <memory>
#include <turbojpeg.h>

namespace pagoranto {

namespace {

struct TurboJpegRelease {
    void operator()(void *handle) const { tjDestroy(handle); }
};

struct TurboJpegBufferRelease {
    void operator()(unsigned char *buffer) const { tjFree(buffer); }
};

std::optional<int> TransformFor(int orientation)
{
    switch (orientation) {
    case 2:
        return TJXOP_HFLIP;
    case 3:
        return TJXOP_ROT180;
    case 4:
        return TJXOP_VFLIP;
    case 5:
        return TJXOP_TRANSPOSE;
    case 6:
        return TJXOP_ROT90;
    case 7:
        return TJXOP_TRANSVERSE;
    case 8:
        return TJXOP_ROT270;
    default:
        return std::nullopt;
    }
}

bool IsProgressive(const JpegLayout &layout)
{
    return std::any_of(layout.header.begin(), layout.header.end(), [](const JpegSegment &s) {
        return s.marker == 0xC2 || s.marker == 0xC6 || s.marker == 0xCA || s.marker == 0xCE;
    });
}

} // namespace

std::optional<std::string> TurnLosslessly(std::string_view jpeg, int orientation)
{
    const std::optional<int> operation = TransformFor(orientation);
    const std::optional<JpegLayout> layout = ReadJpegLayout(jpeg);
    if (!operation || !layout)
        return std::nullopt;
    const std::unique_ptr<void, TurboJpegRelease> handle(tjInitTransform());
    if (!handle)
        return std::nullopt;
    tjtransform transform{};
    transform.op = *operation;
    transform.options = TJXOPT_PERFECT | TJXOPT_COPYNONE;
    // A progressive photo stays progressive, as browsers then show it early.
    if (IsProgressive(*layout))
        transform.options |= TJXOPT_PROGRESSIVE;
    unsigned char *turned = nullptr;
    unsigned long turnedSize = 0;
    const int status =
        tjTransform(handle.get(), reinterpret_cast<const unsigned char *>(jpeg.data()),
                    static_cast<unsigned long>(jpeg.size()), 1, &turned, &turnedSize, &transform,
                    TJFLAG_STOPONWARNING);
    const std::unique_ptr<unsigned char, TurboJpegBufferRelease> release(turned);
    if (status != 0 || !turned || turnedSize == 0)
        return std::nullopt;
    return std::string(reinterpret_cast<const char *>(turned), turnedSize);
}

} // namespace pagoranto
