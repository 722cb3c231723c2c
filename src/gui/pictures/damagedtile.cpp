#include "gui/pictures/damagedtile.h"

#include "core/pictures/thumbnailtile.h"
#include "gui/platform/qttext.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace pagoranto {

namespace {

const QColor unreadableFrame(198, 40, 40);
const QColor unreadableGround(253, 236, 234);
const QColor partlyFrame(239, 143, 0);

// A filled triangle with an exclamation mark, its top at (centreX, top).
void DrawWarningSign(QPainter &painter, qreal centreX, qreal top, qreal size, const QColor &fill,
                     const QColor &mark)
{
    QPainterPath triangle;
    triangle.moveTo(centreX, top);
    triangle.lineTo(centreX + size / 2, top + size);
    triangle.lineTo(centreX - size / 2, top + size);
    triangle.closeSubpath();
    painter.setPen(QPen(fill.darker(130), 1));
    painter.setBrush(fill);
    painter.drawPath(triangle);
    const qreal stroke = std::max<qreal>(1.5, size / 7);
    painter.setPen(QPen(mark, stroke, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(centreX, top + size * 0.38), QPointF(centreX, top + size * 0.66));
    painter.drawPoint(QPointF(centreX, top + size * 0.83));
}

void DrawFrame(QPainter &painter, const QColor &colour)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, thumbnailTileWidth - 2, thumbnailTileHeight - 2));
    painter.setRenderHint(QPainter::Antialiasing, true);
}

} // namespace

QImage UnreadableTile()
{
    QImage tile(thumbnailTileWidth, thumbnailTileHeight, QImage::Format_RGB32);
    tile.fill(unreadableGround);
    QPainter painter(&tile);
    DrawFrame(painter, unreadableFrame);
    DrawWarningSign(painter, thumbnailTileWidth / 2.0, 3, 13, unreadableFrame, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(unreadableFrame.darker(140));
    painter.drawText(QRect(2, 16, thumbnailTileWidth - 4, thumbnailTileHeight - 18),
                     Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("cannot\nbe read"));
    return tile;
}

QImage PartlyDamagedTile(const QImage &tile)
{
    QImage marked = tile.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&marked);
    DrawFrame(painter, partlyFrame);
    constexpr qreal size = 12;
    DrawWarningSign(painter, thumbnailTileWidth - 2 - size / 2 - 1,
                    thumbnailTileHeight - 2 - size - 1, size, partlyFrame, Qt::black);
    return marked;
}

QString TileToolTip(const QString &name, const PictureCondition &condition)
{
    switch (condition.damage) {
    case PictureDamage::none:
        break;
    case PictureDamage::partly:
        return name + QStringLiteral("\nPartly damaged. ") + ToQString(condition.reason);
    case PictureDamage::unreadable:
        return name + QStringLiteral("\nCannot be read. ") + ToQString(condition.reason);
    }
    return name;
}

} // namespace pagoranto
