// Walls as long runs and the way as its corners.
#include "game/paper/maze_lines.h"

namespace kvarnel {

std::vector<WallRun> wallRunsOf(const Maze& maze) {
  std::vector<WallRun> runs;
  if (!maze.hasGrid()) return runs;
  // Horizontal walls lie in the grid's even rows, one room long over each odd column.
  for (std::int32_t y = 0; y <= maze.gridMaxY; y += 2) {
    std::int32_t start = -1;
    for (std::int32_t c = 0; c <= maze.roomsAcross; ++c) {
      const bool wall = c < maze.roomsAcross && !maze.openAt(2 * c + 1, y);
      if (wall && start < 0) start = c;
      if (!wall && start >= 0) {
        runs.push_back({start, y / 2, c, y / 2});
        start = -1;
      }
    }
  }
  for (std::int32_t x = 0; x <= maze.gridMaxX; x += 2) {
    std::int32_t start = -1;
    for (std::int32_t r = 0; r <= maze.roomsDown; ++r) {
      const bool wall = r < maze.roomsDown && !maze.openAt(x, 2 * r + 1);
      if (wall && start < 0) start = r;
      if (!wall && start >= 0) {
        runs.push_back({x / 2, start, x / 2, r});
        start = -1;
      }
    }
  }
  return runs;
}

std::vector<std::pair<std::int32_t, std::int32_t>> wallCellsOf(const WallRun& run) {
  std::vector<std::pair<std::int32_t, std::int32_t>> cells;
  if (run.y1 == run.y2)
    for (std::int32_t c = run.x1; c < run.x2; ++c) cells.emplace_back(2 * c + 1, 2 * run.y1);
  else
    for (std::int32_t r = run.y1; r < run.y2; ++r) cells.emplace_back(2 * run.x1, 2 * r + 1);
  return cells;
}

std::vector<Room> wayCorners(const std::vector<Room>& way) {
  std::vector<Room> corners;
  for (std::size_t i = 0; i < way.size(); ++i) {
    const bool turns = i == 0 || i + 1 == way.size() ||
                       (way[i - 1].col == way[i].col) != (way[i].col == way[i + 1].col);
    if (turns) corners.push_back(way[i]);
  }
  return corners;
}

} // namespace kvarnel
