// Where things go on the playing field.
#include "game/view/field_geometry.h"

#include "game/core/rounding.h"

#include <algorithm>

namespace kvarnel {
namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

FieldGeometry fieldGeometryOf(std::int32_t wallSide) {
  FieldGeometry g;
  g.wallSize = std::max<std::int32_t>(wallSide, 1);
  g.heroSize = heroSquareSide;
  if (g.heroSize < g.wallSize) {
    g.inset = roundHalfEven((g.wallSize - g.heroSize) / 2.0);
    g.heroSize = g.wallSize;
  }
  g.cellStep = g.wallSize + g.heroSize;
  g.halfStep = roundHalfEven(g.cellStep / 2.0);
  return g;
}

PixelRect fieldRectOf(const Maze& maze, const FieldGeometry& g) {
  return {0, 0, std::int64_t{maze.roomsAcross} * g.cellStep + g.wallSize,
          std::int64_t{maze.roomsDown} * g.cellStep + g.wallSize};
}

PixelRect doorRectOf(const Maze& maze, const FieldGeometry& g) {
  return {heroRestPosition(maze.roomsAcross - 1, g), heroRestPosition(maze.roomsDown - 1, g),
          g.heroSize, g.heroSize};
}

std::int64_t heroRestPosition(std::int32_t roomIndex, const FieldGeometry& g) {
  return std::int64_t{roomIndex} * g.cellStep + g.wallSize;
}

std::vector<PixelRect> wallTilesIn(const Maze& maze, const FieldGeometry& g, const PixelRect& area) {
  std::vector<PixelRect> tiles;
  if (!maze.hasGrid() || area.width <= 0 || area.height <= 0) return tiles;
  const std::int64_t step = g.cellStep;
  const std::int64_t wall = g.wallSize;
  const std::int64_t run = step + wall;

  // Cells whose pixel origin lies within one run before the area up to its far edge.
  auto cellRange = [&](std::int64_t from, std::int64_t extent, std::int32_t gridMax) {
    const std::int64_t first = std::max<std::int64_t>(0, 2 * floorDiv(from - run, step));
    const std::int64_t last = std::min<std::int64_t>(gridMax, 2 * floorDiv(from + extent, step) + 1);
    return std::pair{first, last};
  };
  const auto [x0, x1] = cellRange(area.x, area.width, maze.gridMaxX);
  const auto [y0, y1] = cellRange(area.y, area.height, maze.gridMaxY);

  auto addRun = [&](std::int64_t px, std::int64_t py, bool vertical) {
    for (std::int64_t along = 0; along < run; along += wall) {
      const std::int64_t length = std::min(wall, run - along);
      const PixelRect tile = vertical ? PixelRect{px, py + along, wall, length}
                                      : PixelRect{px + along, py, length, wall};
      if (tile.intersects(area)) tiles.push_back(tile);
    }
  };
  for (std::int64_t x = x0; x <= x1; ++x) {
    for (std::int64_t y = y0; y <= y1; ++y) {
      const auto cx = static_cast<std::int32_t>(x);
      const auto cy = static_cast<std::int32_t>(y);
      if (maze.cell(cx, cy) != cellWall) continue;
      const std::int64_t px = (x / 2) * step;
      const std::int64_t py = (y / 2) * step;
      if (cy < maze.gridMaxY && maze.cell(cx, cy + 1) == cellWall) addRun(px, py, true);
      if (cx < maze.gridMaxX && maze.cell(cx + 1, cy) == cellWall) addRun(px, py, false);
    }
  }
  return tiles;
}

} // namespace kvarnel
