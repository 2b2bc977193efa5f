// Paints a part of the playing field.
#include "front/field/field_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kvarnel {
namespace {

// The picture scaled smoothly to cover logical pixels at the ratio, its devicePixelRatio set so
// that its logical size stays exactly logical.
QPixmap scaledFor(const QPixmap& picture, QSize logical, qreal ratio) {
  const QSize device(std::max(1, static_cast<int>(std::lround(logical.width() * ratio))),
                     std::max(1, static_cast<int>(std::lround(logical.height() * ratio))));
  if (picture.size() == device && picture.devicePixelRatio() == ratio) return picture;
  QPixmap scaled = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(static_cast<qreal>(device.width()) / logical.width());
  return scaled;
}

} // namespace

void paintField(QPainter& painter, const QRect& area, const Maze& maze, const FieldGeometry& g,
                const QPixmap& wall, const QPixmap& door) {
  painter.fillRect(area, Qt::white);
  const PixelRect part{area.x(), area.y(), area.width(), area.height()};
  // A tile's part of the wall picture is in the picture's own pixels.
  const qreal density = wall.devicePixelRatio();
  for (const PixelRect& tile : wallTilesIn(maze, g, part))
    painter.drawPixmap(QRectF(static_cast<qreal>(tile.x), static_cast<qreal>(tile.y), static_cast<qreal>(tile.width),
                              static_cast<qreal>(tile.height)),
                       wall, QRectF(0, 0, static_cast<qreal>(tile.width) * density, static_cast<qreal>(tile.height) * density));
  const PixelRect d = doorRectOf(maze, g);
  if (d.intersects(part))
    painter.drawPixmap(QRect(static_cast<int>(d.x), static_cast<int>(d.y), static_cast<int>(d.width),
                             static_cast<int>(d.height)),
                       door);
}

FieldPictures fieldPicturesAt(qreal ratio, const FieldGeometry& g, const QPixmap& wall, const QPixmap& door) {
  if (ratio == 1.0 && wall.devicePixelRatio() == 1.0 && door.devicePixelRatio() == 1.0) return {wall, door};
  FieldPictures ready{wall, door};
  if (!wall.isNull() && wall.devicePixelRatio() != ratio)
    ready.wall = scaledFor(wall, wall.deviceIndependentSize().toSize(), ratio);
  if (!door.isNull()) ready.door = scaledFor(door, {g.heroSize, g.heroSize}, ratio);
  return ready;
}

QPointF fieldShift(QPoint origin, qreal ratio) {
  return QPointF(std::round(origin.x() * ratio), std::round(origin.y() * ratio)) / ratio;
}

QPixmap heroBoxPicture(const FieldGeometry& g, const QPixmap& hero, qreal ratio) {
  const int side = std::max(1, g.heroSize);
  const int deviceSide = static_cast<int>(std::ceil(side * ratio));
  QPixmap box(deviceSide, deviceSide);
  box.setDevicePixelRatio(ratio);
  box.fill(Qt::white);
  QPainter painter(&box);
  const qreal density = hero.devicePixelRatio();
  if (density != ratio) painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRectF(g.inset, g.inset, heroSquareSide, heroSquareSide), hero,
                     QRectF(0, 0, heroSquareSide * density, heroSquareSide * density));
  return box;
}

} // namespace kvarnel
