#include "gui/options/resizersettings.h"

#include <QSettings>
#include <algorithm>

namespace pagoranto {

ResizerSettings ReadResizerSettings(const QString &file)
{
    QSettings ini(file, QSettings::IniFormat);
    ResizerSettings settings;
    bool ok = false;
    const int compression = ini.value(QStringLiteral("Default/compression")).toInt(&ok);
    if (ok)
        settings.compression = std::clamp(compression, 1, 100);
    const int resizer = ini.value(QStringLiteral("Default/resizer")).toInt(&ok);
    if (ok)
        settings.resizer = std::max(resizer, 0);
    return settings;
}

void WriteResizerSettings(const QString &file, const ResizerSettings &settings)
{
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Default/compression"), settings.compression);
    ini.setValue(QStringLiteral("Default/resizer"), settings.resizer);
    ini.sync();
}

} // namespace pagoranto
