// Structural checks of a finished maze.
#include "game/core/maze_checks.h"

#include <vector>

namespace kvarnel::testing {

std::string finishedMazeFault(const Maze& maze) {
  const int gx = maze.gridMaxX;
  const int gy = maze.gridMaxY;
  if (gx != 2 * maze.roomsAcross || gy != 2 * maze.roomsDown) return "grid bounds";
  if (maze.mazeGrid.size() != static_cast<std::size_t>((gx + 1) * (gy + 1))) return "grid size";
  int openings = 0;
  for (int x = 0; x <= gx; ++x)
    for (int y = 0; y <= gy; ++y) {
      const int c = maze.cell(x, y);
      const bool border = x == 0 || y == 0 || x == gx || y == gy;
      const bool room = x % 2 == 1 && y % 2 == 1;
      const bool post = x % 2 == 0 && y % 2 == 0;
      if (c > 2) return "bad code";
      if (border && c != 0) return "open border";
      if (post && c != 0) return "open post";
      if (room && c == 0) return "closed room";
      if (!border && !room && !post && c != 0) ++openings;
    }
  const int rooms = maze.roomsAcross * maze.roomsDown;
  if (openings != rooms - 1) return "openings != rooms - 1";

  // Connected: a flood fill from room (0, 0) over open cells reaches every room. With rooms - 1
  // openings that makes the maze a tree.
  std::vector<char> seen(maze.mazeGrid.size(), 0);
  std::vector<std::pair<int, int>> stack{{1, 1}};
  seen[maze.cellIndex(1, 1)] = 1;
  int reached = 0;
  while (!stack.empty()) {
    auto [x, y] = stack.back();
    stack.pop_back();
    if (x % 2 == 1 && y % 2 == 1) ++reached;
    const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (auto& s : d) {
      const int nx = x + s[0], ny = y + s[1];
      if (nx < 0 || ny < 0 || nx > gx || ny > gy) continue;
      if (maze.cell(nx, ny) == 0 || seen[maze.cellIndex(nx, ny)]) continue;
      seen[maze.cellIndex(nx, ny)] = 1;
      stack.push_back({nx, ny});
    }
  }
  if (reached != rooms) return "not connected";

  // Code 1 is an unbroken chain without branches from (1, 1) to the bottom-right room.
  int pathCells = 0;
  for (int x = 1; x < gx; ++x)
    for (int y = 1; y < gy; ++y) {
      if (maze.cell(x, y) != 1) continue;
      ++pathCells;
      int pathNeighbours = 0;
      if (maze.cell(x + 1, y) == 1) ++pathNeighbours;
      if (maze.cell(x - 1, y) == 1) ++pathNeighbours;
      if (maze.cell(x, y + 1) == 1) ++pathNeighbours;
      if (maze.cell(x, y - 1) == 1) ++pathNeighbours;
      const bool end = (x == 1 && y == 1) || (x == gx - 1 && y == gy - 1);
      if (pathNeighbours != (end ? 1 : 2)) return "path is not a simple chain";
    }
  if (maze.cell(1, 1) != 1 || maze.cell(gx - 1, gy - 1) != 1) return "path ends unmarked";
  // A simple chain between the two ends has no cycles, so walking it from (1, 1) must reach the
  // far end and visit every path cell.
  int x = 1, y = 1, px = -1, py = -1, walked = 1;
  while (!(x == gx - 1 && y == gy - 1)) {
    const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    bool moved = false;
    for (auto& s : d) {
      const int nx = x + s[0], ny = y + s[1];
      if ((nx != px || ny != py) && maze.cell(nx, ny) == 1) {
        px = x, py = y, x = nx, y = ny, moved = true;
        break;
      }
    }
    if (!moved) return "path broken";
    ++walked;
  }
  if (walked != pathCells) return "stray path cells";
  return {};
}

} // namespace kvarnel::testing
