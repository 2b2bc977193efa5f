// The maze generator.
#include "game/core/maze_generator.h"

#include "game/core/direction_orders.h"

#include <algorithm>
#include <vector>

namespace kvarnel {

AdditiveGenerator::AdditiveGenerator(const SeedDigits& mixedDigits) {
  for (std::size_t k = 0; k < state_.size(); ++k) state_[k] = mixedDigits[k] + 1;
}

int AdditiveGenerator::draw() {
  int t = state_[0];
  for (std::size_t k = 1; k < state_.size(); ++k) {
    state_[k - 1] = state_[k];
    t += state_[k];
    if (t >= 29) t -= 29;
  }
  state_[7] = t;
  return t;
}

int AdditiveGenerator::wideDraw() {
  const int a = draw();
  const int b = draw();
  const int c = draw();
  return (a * 29 + b) * 29 + c;
}

int AdditiveGenerator::orderDraw() {
  int order = draw();
  while (order >= directionOrders) order = draw();
  return order;
}

GridPoint startRoomOf(AdditiveGenerator& random, const Maze& maze) {
  const int x = 2 * (random.wideDraw() % maze.roomsAcross) + 1;
  const int y = 2 * (random.wideDraw() % maze.roomsDown) + 1;
  return {x, y};
}

namespace {

// The step by which a room was entered: where to go back to and which slot to try next there.
struct EnteredBy {
  std::uint8_t slot = 0;  // 0..3, slot within the direction order
  std::int16_t order = 0; // 0..23
};

} // namespace

void generateMaze(Maze& maze, const SeedDigits& mixedDigits) {
  AdditiveGenerator random(mixedDigits);
  std::fill(maze.mazeGrid.begin(), maze.mazeGrid.end(), cellWall);
  // Every room but the first is entered once, so the way back never holds more.
  std::vector<EnteredBy> wayBack(static_cast<std::size_t>(maze.roomsAcross) *
                                 static_cast<std::size_t>(maze.roomsDown));

  auto [x, y] = startRoomOf(random, maze);
  maze.cell(x, y) = cellOpen;
  int top = -1;

  for (;;) {
    // Entering a room: a fresh order, tried from its first slot.
    int k = 0;
    int p = random.orderDraw();
    int nx = 0;
    int ny = 0;
    bool found = false;
    for (;;) {
      for (; k < directionSlots; ++k) {
        const Step s = dirOrder[p][k];
        nx = x + 2 * s.dx;
        ny = y + 2 * s.dy;
        if (nx > 0 && nx <= maze.gridMaxX && ny > 0 && ny <= maze.gridMaxY &&
            maze.cell(nx, ny) == cellWall) {
          found = true;
          break;
        }
      }
      if (found || top < 0) break;
      // Step back into the room we came from and resume its order at the next slot.
      const EnteredBy back = wayBack[static_cast<std::size_t>(top--)];
      k = back.slot;
      p = back.order;
      x -= 2 * dirOrder[p][k].dx;
      y -= 2 * dirOrder[p][k].dy;
      ++k;
    }
    if (!found) break;
    wayBack[static_cast<std::size_t>(++top)] = {static_cast<std::uint8_t>(k), static_cast<std::int16_t>(p)};
    maze.cell(nx, ny) = cellOpen;
    maze.cell((x + nx) / 2, (y + ny) / 2) = cellOpen;
    x = nx;
    y = ny;
  }

  maze.cell(1, 0) = cellPath;
  maze.cell(maze.gridMaxX - 1, maze.gridMaxY) = cellOpen;
}

} // namespace kvarnel
