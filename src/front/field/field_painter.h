// Paints a part of the playing field straight from the grid and the pictures; the field widget
// and kvarnel-maze render share it.
#pragma once

#include "game/core/maze.h"
#include "game/view/field_geometry.h"

#include <QPixmap>
#include <QRect>

class QPainter;

namespace kvarnel {

// The field's background, the wall tiles and the door, for the given part of the field
// (in field pixels).
void paintField(QPainter& painter, const QRect& area, const Maze& maze, const FieldGeometry& g,
                const QPixmap& wall, const QPixmap& door);

// The hero box's content: heroSize square on white, the top-left heroSquareSide square of the
// hero picture at the inset, cut off at the box's edges.
QPixmap heroBoxPicture(const FieldGeometry& g, const QPixmap& hero);

} // namespace kvarnel
