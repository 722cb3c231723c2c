#pragma once

#include <QString>

namespace pagoranto {

// "resizer.ini": the copy window's JPEG quality and size choice.
struct ResizerSettings {
    int compression = 70; // ScrollBar1, 1..100
    int resizer = 3;      // RadioGroup3's index
};

// A missing file or value leaves the default; errors are not reported.
ResizerSettings ReadResizerSettings(const QString &file);
void WriteResizerSettings(const QString &file, const ResizerSettings &settings);

} // namespace pagoranto
