// The path search: depth first, one cell at a time, over direction order 0.
#include "game/core/path_search.h"

#include "game/core/direction_orders.h"

#include <vector>

namespace kvarnel {

void markWayOut(Maze& maze) {
  constexpr auto& base = dirOrder[0];
  int x = 1;
  int y = 1;
  maze.cell(x, y) = cellPath;
  // The slot by which each room on the way was left; a way visits every room at most once.
  std::vector<std::uint8_t> slots(
      static_cast<std::size_t>(maze.roomsAcross) * static_cast<std::size_t>(maze.roomsDown) + 1);
  int top = -1;
  int k = 0;
  for (;;) {
    while (k < directionSlots && maze.cell(x + base[k].dx, y + base[k].dy) != cellOpen) ++k;
    if (k == directionSlots) {
      // Dead end: unmark this room and the opening behind it, go back a room, try its next slot.
      if (top < 0) return; // cannot happen in a generated maze: the exit is always reachable
      k = slots[static_cast<std::size_t>(top--)];
      maze.cell(x, y) = cellOpen;
      x -= base[k].dx;
      y -= base[k].dy;
      maze.cell(x, y) = cellOpen;
      x -= base[k].dx;
      y -= base[k].dy;
      ++k;
      continue;
    }
    const int nx = x + base[k].dx;
    const int ny = y + base[k].dy;
    maze.cell(nx, ny) = cellPath;
    if (ny + base[k].dy > maze.gridMaxY) return; // the exit opening
    slots[static_cast<std::size_t>(++top)] = static_cast<std::uint8_t>(k);
    x = nx + base[k].dx;
    y = ny + base[k].dy;
    maze.cell(x, y) = cellPath;
    k = 0;
  }
}

} // namespace kvarnel
