#pragma once

#include "core/pictures/picturedamage.h"

#include <QImage>
#include <QString>

namespace pagoranto {

// The tile of a picture that cannot be read: a red frame, a warning sign and "cannot be read",
// thumbnailTileWidth x thumbnailTileHeight like every tile.
QImage UnreadableTile();

// The picture's own tile with an amber frame and a small warning sign in its corner, for a
// picture that shows with parts missing.
QImage PartlyDamagedTile(const QImage &tile);

// The tooltip of a tile: the file name, and for a damaged picture what is wrong with it.
QString TileToolTip(const QString &name, const PictureCondition &condition);

} // namespace pagoranto
