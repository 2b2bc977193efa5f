// Paints a part of the playing field straight from the grid and the pictures; the field widget
// and kvarnel-maze render share it.
#pragma once

#include "game/core/maze.h"
#include "game/view/field_geometry.h"

#include <QPixmap>
#include <QPointF>
#include <QRect>

class QPainter;

namespace kvarnel {

// The field's background, the wall tiles and the door, for the given part of the field
// (in field pixels, which are logical pixels: a picture covers its deviceIndependentSize).
void paintField(QPainter& painter, const QRect& area, const Maze& maze, const FieldGeometry& g,
                const QPixmap& wall, const QPixmap& door);

// The wall and the door as the field paints them on a screen of the given device pixel ratio.
struct FieldPictures {
  QPixmap wall;
  QPixmap door;
};

// A picture whose density is not the screen's (a player's own bitmap, a 2x variant on a 1.5
// screen) is scaled smoothly here, once, to the device pixels it covers there: the wall at its
// own side, the door at the room's. A repaint then copies pixels, never scales them, so it stays
// cheap and no pixel comes out wider than its neighbours. At ratio 1 the pictures of ratio 1 are
// painted as they always were.
FieldPictures fieldPicturesAt(qreal ratio, const FieldGeometry& g, const QPixmap& wall, const QPixmap& door);

// How far to move the painter back for the field point origin to land at a widget's top-left
// corner: origin itself, rounded to whole device pixels. At a ratio such as 1.5 an odd origin
// would put every tile half a device pixel off, and the raster engine rounds the edges of a tile
// cut off at the widget's edge otherwise than the next tile's, leaving a column of background
// between them.
QPointF fieldShift(QPoint origin, qreal ratio);

// The hero box's content at a device pixel ratio: heroSize square on white, the top-left
// heroSquareSide square of the hero picture at the inset, cut off at the box's edges; a hero of
// another density is scaled smoothly.
QPixmap heroBoxPicture(const FieldGeometry& g, const QPixmap& hero, qreal ratio = 1.0);

} // namespace kvarnel
