// The maze generator: an additive generator modulo 29 and a depth-first carving of a perfect maze.
#pragma once

#include "game/core/maze.h"
#include "game/core/seed.h"

#include <array>
#include <cstdint>

namespace kvarnel {

// Each draw is the sum of the eight previous values modulo 29, the values moving down a place.
class AdditiveGenerator {
public:
  explicit AdditiveGenerator(const SeedDigits& mixedDigits);
  int draw();
  int wideDraw();  // three draws as a number in base 29: 0..24388
  int orderDraw(); // draws until one is below 24: a direction order

private:
  std::array<int, 8> state_{};
};

// The room carving starts from: grid cell (2 (w mod roomsAcross) + 1, 2 (w' mod roomsDown) + 1)
// for two wide draws w and w'.
struct GridPoint {
  int x;
  int y;
};
GridPoint startRoomOf(AdditiveGenerator& random, const Maze& maze);

// Carves the maze into maze.mazeGrid (sized already, with its size and grid bounds set) and
// opens the border above the top-left room (code 1) and below the bottom-right room (code 2)
// for the path search.
void generateMaze(Maze& maze, const SeedDigits& mixedDigits);

} // namespace kvarnel
