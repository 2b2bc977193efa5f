// Paints the way to the door.
#include "front/field/way_painter.h"

#include <QPainter>

#include <algorithm>

namespace kvarnel {
namespace {

// Rounds towards minus infinity.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

struct RoomRange {
  std::int64_t first = 0;
  std::int64_t last = -1;
};

// The rooms along one axis whose centre, or the link from it to the next room, comes within
// `reach` of [from, to].
RoomRange roomsNear(std::int64_t from, std::int64_t to, std::int64_t reach, std::int32_t rooms, const FieldGeometry& g) {
  const std::int64_t centre0 = g.wallSize + g.heroSize / 2;
  RoomRange range;
  range.first = std::max<std::int64_t>(0, floorDiv(from - reach - centre0, g.cellStep));
  range.last = std::min<std::int64_t>(rooms - 1, floorDiv(to + reach - centre0, g.cellStep));
  return range;
}

} // namespace

void paintWay(QPainter& painter, const QRect& area, const WayMarks& way, const FieldGeometry& g) {
  if (way.empty() || g.cellStep <= 0) return;
  const int core = std::max(4, g.heroSize / 6);
  const int edge = core + 4;
  const RoomRange cols = roomsNear(area.left(), area.right(), edge, way.roomsAcross, g);
  const RoomRange rows = roomsNear(area.top(), area.bottom(), edge, way.roomsDown, g);
  const auto centre = [&](std::int64_t room) { return static_cast<int>(g.wallSize + g.heroSize / 2 + room * g.cellStep); };

  painter.save();
  painter.setClipRect(area);
  for (const auto& [colour, width] : {std::pair{QColor(Qt::black), edge}, std::pair{QColor(255, 221, 0), core}}) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
    for (std::int64_t col = cols.first; col <= cols.last; ++col) {
      for (std::int64_t row = rows.first; row <= rows.last; ++row) {
        const std::uint8_t links = way.at(static_cast<std::int32_t>(col), static_cast<std::int32_t>(row));
        const QPoint from(centre(col), centre(row));
        if (links & WayMarks::toRight) painter.drawLine(from, QPoint(centre(col + 1), from.y()));
        if (links & WayMarks::toBelow) painter.drawLine(from, QPoint(from.x(), centre(row + 1)));
      }
    }
  }
  painter.restore();
}

} // namespace kvarnel
