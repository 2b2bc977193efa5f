// A maze as lines on paper: its walls merged into long straight runs, and the way as the corners
// of one line through the rooms' centres. Coordinates count rooms: the maze's corners are (0, 0)
// and (roomsAcross, roomsDown), room (c, r) spans c..c+1 across and r..r+1 down.
#pragma once

#include "game/core/maze.h"
#include "game/core/way_search.h"

#include <cstdint>
#include <vector>

namespace kvarnel {

// A horizontal (y1 == y2) or vertical (x1 == x2) wall run between two posts.
struct WallRun {
  std::int32_t x1 = 0;
  std::int32_t y1 = 0;
  std::int32_t x2 = 0;
  std::int32_t y2 = 0;
  bool operator==(const WallRun&) const = default;
};

// Every wall between two posts, as the grid has it, merged into the longest runs: first the
// horizontal runs row by row, then the vertical ones column by column. A closed room of a hand
// made file is no wall between posts and is left out.
std::vector<WallRun> wallRunsOf(const Maze& maze);

// The wall pieces a run covers, one room long each, in the grid's cells: (x, y) of the wall cell
// between two posts. For checking a drawing against the grid.
std::vector<std::pair<std::int32_t, std::int32_t>> wallCellsOf(const WallRun& run);

// The rooms where a way turns, with its first and last room: the corners of its line.
std::vector<Room> wayCorners(const std::vector<Room>& way);

} // namespace kvarnel
