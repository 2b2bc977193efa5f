// Where things go on the playing field: room pitch, hero box, door, and the wall tiles.
#pragma once

#include "game/core/maze.h"

#include <cstdint>
#include <vector>

namespace kvarnel {

struct FieldGeometry {
  std::int32_t wallSize = 0;
  std::int32_t heroSize = 0;
  std::int32_t inset = 0; // where a hero picture narrower than the wall sits in its box
  std::int32_t cellStep = 0;
  std::int32_t halfStep = 0;
  bool operator==(const FieldGeometry&) const = default;
};

// The hero is shown in a 32-pixel square whatever hero picture he has, so this, not the hero
// picture, sets the rooms' size.
inline constexpr std::int32_t heroSquareSide = 32;

// From the wall picture's side.
FieldGeometry fieldGeometryOf(std::int32_t wallSide);

// The field as the player sees it: its geometry, where the hero's box stands, and the extents
// of the part of the field in view.
struct FieldView {
  FieldGeometry geometry;
  std::int32_t heroX = 0;
  std::int32_t heroY = 0;
  std::int32_t viewWidth = 0;
  std::int32_t viewHeight = 0;
};

struct PixelRect {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  bool intersects(const PixelRect& o) const {
    return x < o.x + o.width && o.x < x + width && y < o.y + o.height && o.y < y + height;
  }
};

// The field's size for the maze's rooms: rooms x cellStep + wallSize each way.
PixelRect fieldRectOf(const Maze& maze, const FieldGeometry& g);

// The door: stretched to heroSize in the bottom-right room of the maze's size.
PixelRect doorRectOf(const Maze& maze, const FieldGeometry& g);

// Top-left of the hero box at rest in room (col, row).
std::int64_t heroRestPosition(std::int32_t roomIndex, const FieldGeometry& g);

// Every wall tile whose run can reach the given part of the field, in painting order. A tile is
// the wall picture's top-left part of the given size, painted at (x, y). Runs go from a post to
// the next post, cellStep + wallSize long; a wall picture that does not divide the run evenly
// has its last tile clipped at the run's end, so walls, rooms, hero and door line up.
std::vector<PixelRect> wallTilesIn(const Maze& maze, const FieldGeometry& g, const PixelRect& area);

} // namespace kvarnel
