// The hero's walk: clicks into walks, the view following the hero.
#include "game/play/hero_walk.h"

#include "game/core/rounding.h"

#include <algorithm>

namespace kvarnel {
namespace {

// Limits included.
bool inBand(double at, std::int32_t start, std::int32_t size) {
  return start <= at && at <= static_cast<double>(start) + size;
}

struct Reach {
  std::int32_t sign = 0;
  std::int64_t distance = 0; // pixels beyond the hero's box, negative on the box itself
};

// From the hero's box to the click along the walk's axis.
Reach reachOf(double at, std::int32_t boxStart, std::int32_t boxSize) {
  const std::int64_t t = roundHalfEven(at - boxStart);
  if (t < 0) return {-1, -t};
  return {1, t - boxSize};
}

std::int32_t clampToBar(std::int64_t value, std::int32_t maximum) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, std::max(maximum, 0)));
}

} // namespace

// The grid is walked a cell at a time, wall places and rooms alternating, and the walk stops in
// the last whole room before a closed cell. A closed cell at step i leaves (i - 1) div 2 rooms;
// halves must not round up, or a closed room met at step 4, 8, ... (possible only in a grid
// from a file) would take the hero into it.
std::int64_t roomsOpen(const Maze& maze, std::int64_t asked, std::int32_t dx, std::int32_t dy) {
  std::int64_t gx = 2 * static_cast<std::int64_t>(maze.heroCol) + 1;
  std::int64_t gy = 2 * static_cast<std::int64_t>(maze.heroRow) + 1;
  for (std::int64_t i = 1; i <= 2 * asked; ++i) {
    gx += dx;
    gy += dy;
    if (!maze.openAt(gx, gy)) return (i - 1) / 2;
  }
  return asked;
}

std::optional<WalkPlan> walkForClick(const Maze& maze, const FieldView& view, FieldPoint at) {
  const FieldGeometry& g = view.geometry;
  if (g.cellStep <= 0) return std::nullopt;
  const PixelRect field = fieldRectOf(maze, g);
  const double wall = g.wallSize;
  const bool insideWall = at.x >= wall && at.y >= wall && at.x <= static_cast<double>(field.width) - wall &&
                          at.y <= static_cast<double>(field.height) - wall;
  if (!insideWall) return std::nullopt;

  // The column test comes first: a click on the hero's own box walks down.
  WalkPlan plan;
  Reach reach;
  if (inBand(at.x, view.heroX, g.heroSize)) {
    reach = reachOf(at.y, view.heroY, g.heroSize);
    plan.dy = reach.sign;
  } else if (inBand(at.y, view.heroY, g.heroSize)) {
    reach = reachOf(at.x, view.heroX, g.heroSize);
    plan.dx = reach.sign;
  } else {
    return std::nullopt;
  }
  const std::int64_t rooms = roomsOpen(maze, reach.distance / g.cellStep + 1, plan.dx, plan.dy);
  if (rooms == 0) return std::nullopt;
  plan.rooms = static_cast<std::int32_t>(rooms);
  return plan;
}

namespace {

// Scrolls one bar so that [start, start + size) is in view whole, as little as it takes.
void keepInView(ScrollBarState& bar, std::int64_t start, std::int64_t size) {
  if (!bar.visible || bar.page <= 0) return;
  std::int64_t value = bar.value;
  if (start + size > value + bar.page) value = start + size - bar.page;
  if (start < value) value = start;
  bar.value = clampToBar(value, bar.maximum);
}

} // namespace

ViewScroll followHero(const FieldView& view, std::int32_t dx, std::int32_t dy, ViewScroll bars) {
  const std::int64_t s = view.geometry.cellStep;
  const std::int64_t heroX = view.heroX;
  const std::int64_t heroY = view.heroY;
  const std::int64_t heroSize = view.geometry.heroSize;

  ScrollBarState& v = bars.vertical;
  if (v.visible) {
    const std::int64_t spaceBelow = v.value + std::int64_t{view.viewHeight} - heroY - heroSize;
    if (dy > 0 && spaceBelow < 2 * s) {
      v.value = clampToBar(v.value + 2 * s, v.maximum);
    } else if (dy < 0 && heroY - v.value < 2 * s) {
      v.value = clampToBar(v.value - 2 * s, v.maximum);
    }
  }
  ScrollBarState& h = bars.horizontal;
  if (h.visible) {
    const std::int64_t spaceRight = h.value + std::int64_t{view.viewWidth} - heroX - heroSize;
    if (dx > 0 && spaceRight < 3 * s) {
      h.value = clampToBar(h.value + 3 * s, h.maximum);
    } else if (dx < 0 && heroX - h.value < 3 * s) {
      h.value = clampToBar(h.value - 3 * s, h.maximum);
    }
  }
  // Rooms larger than the view's margins can jump out of sight: then just far enough.
  keepInView(v, heroY, heroSize);
  keepInView(h, heroX, heroSize);
  return bars;
}

} // namespace kvarnel
