// Making a new maze.
#include "game/core/new_maze.h"

#include "game/core/maze_generator.h"
#include "game/core/path_search.h"
#include "game/core/seed.h"
#include "game/core/size_limits.h"

namespace kvarnel {

void carveMaze(Maze& maze, const std::string& seedText) {
  SeedDigits digits = seedDigitsOf(seedText);
  mixSeedDigits(digits);
  generateMaze(maze, digits);
  markWayOut(maze);
}

std::optional<Maze> newMaze(std::int32_t width, std::int32_t height, const std::string& seedText) {
  if (!mazeSizeFits(width, height)) return std::nullopt;
  Maze maze;
  maze.roomsAcross = width;
  maze.roomsDown = height;
  maze.gridMaxX = 2 * width;
  maze.gridMaxY = 2 * height;
  maze.mazeGrid.assign(static_cast<std::size_t>(maze.gridMaxX + 1) * static_cast<std::size_t>(maze.gridMaxY + 1),
                       cellWall);
  carveMaze(maze, seedText);
  maze.cell(1, 0) = cellWall;
  maze.cell(maze.gridMaxX - 1, maze.gridMaxY) = cellWall;
  return maze;
}

std::string seedTextNow(Clock& clock) {
  return seedTextOf(static_cast<float>(clock.secondsSinceMidnight()));
}

} // namespace kvarnel
