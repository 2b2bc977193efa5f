// Paints a part of the playing field.
#include "front/field/field_painter.h"

#include <QPainter>

namespace kvarnel {

void paintField(QPainter& painter, const QRect& area, const Maze& maze, const FieldGeometry& g,
                const QPixmap& wall, const QPixmap& door) {
  painter.fillRect(area, Qt::white);
  const PixelRect part{area.x(), area.y(), area.width(), area.height()};
  for (const PixelRect& tile : wallTilesIn(maze, g, part))
    painter.drawPixmap(QPoint(static_cast<int>(tile.x), static_cast<int>(tile.y)), wall,
                       QRect(0, 0, static_cast<int>(tile.width), static_cast<int>(tile.height)));
  const PixelRect d = doorRectOf(maze, g);
  if (d.intersects(part))
    painter.drawPixmap(QRect(static_cast<int>(d.x), static_cast<int>(d.y), static_cast<int>(d.width),
                             static_cast<int>(d.height)),
                       door);
}

QPixmap heroBoxPicture(const FieldGeometry& g, const QPixmap& hero) {
  QPixmap box(std::max(1, g.heroSize), std::max(1, g.heroSize));
  box.fill(Qt::white);
  QPainter painter(&box);
  painter.drawPixmap(g.inset, g.inset, hero, 0, 0, heroSquareSide, heroSquareSide);
  return box;
}

} // namespace kvarnel
