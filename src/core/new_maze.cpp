// Making a new maze.
#include "core/new_maze.h"

#include "core/maze_generator.h"
#include "core/path_search.h"
#include "core/seed.h"
#include "core/size_limits.h"

namespace kvarnel {

void NewMaze(MazeState& maze, const std::string& seedText) {
  SeedDigits digits = seedDigitsOf(seedText);
  MixSeedDigits(digits);
  GenerateMaze(maze, digits);
  MarkSolutionPath(maze);
}

bool startNewMaze(MazeState& maze, const std::string& seedText) {
  if (!mazeSizeFits(maze.mazeWidth, maze.mazeHeight)) return false;
  maze.roomsAcross = maze.mazeWidth;
  maze.roomsDown = maze.mazeHeight;
  maze.gridMaxX = 2 * maze.roomsAcross;
  maze.gridMaxY = 2 * maze.roomsDown;
  maze.roomCount = maze.roomsAcross * maze.roomsDown;
  maze.mazeGrid.assign(static_cast<std::size_t>(maze.gridMaxX + 1) *
                           static_cast<std::size_t>(maze.gridMaxY + 1),
                       cellWall);
  maze.pathStack.assign(static_cast<std::size_t>(maze.roomCount) + 1, PathRecord{});
  NewMaze(maze, seedText);
  maze.heroCol = 0;
  maze.heroRow = 0;
  maze.cell(1, 0) = cellWall;
  maze.cell(maze.gridMaxX - 1, maze.gridMaxY) = cellWall;
  return true;
}

bool startNewMaze(MazeState& maze, Clock& clock) {
  return startNewMaze(maze, seedTextOf(static_cast<float>(clock.secondsSinceMidnight())));
}

} // namespace kvarnel
