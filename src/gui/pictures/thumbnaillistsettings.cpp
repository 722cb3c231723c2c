#include "gui/pictures/thumbnaillistsettings.h"

#include <QSettings>

namespace pagoranto {

namespace {

const QString sharesPreviewsKey = QStringLiteral("Tiles/sharedThumbnailCache");

} // namespace

bool ReadSharesPreviews(const QString &file)
{
    return QSettings(file, QSettings::IniFormat).value(sharesPreviewsKey, true).toBool();
}

void WriteSharesPreviews(const QString &file, bool share)
{
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(sharesPreviewsKey, share);
    ini.sync();
}

} // namespace pagoranto
