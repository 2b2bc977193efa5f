// Paints the way to the door over a part of the field: a line through the rooms' centres, yellow
// on a black edge so that it stands out on any picture.
#pragma once

#include "game/core/way_search.h"
#include "game/view/field_geometry.h"

#include <QRect>

class QPainter;

namespace kvarnel {

// Only the rooms whose links can reach the given part of the field (in field pixels) are looked
// at: the cost of a paint does not grow with the maze.
void paintWay(QPainter& painter, const QRect& area, const WayMarks& way, const FieldGeometry& g);

} // namespace kvarnel
