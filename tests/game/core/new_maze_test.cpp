// Generation, the path search and the new-maze sequence.
#include "game/core/maze_checks.h"
#include "game/core/maze_generator.h"
#include "game/core/new_maze.h"
#include "game/core/path_search.h"
#include "game/core/seed.h"
#include "support/fake_platform.h"
#include "support/mazes.h"

#include <gtest/gtest.h>

#include <random>

namespace kvarnel {
namespace {

using testing::madeMaze;

TEST(GenerateMaze, StartRoomAndFirstOrderOfTheKnownSeed) {
  SeedDigits d = seedDigitsOf(" 45296.17");
  mixSeedDigits(d);
  Maze maze;
  maze.roomsAcross = 6;
  maze.roomsDown = 4;
  AdditiveGenerator random(d);
  const GridPoint start = startRoomOf(random, maze);
  EXPECT_EQ(start.x, 3);
  EXPECT_EQ(start.y, 3);
  EXPECT_EQ(random.orderDraw(), 14);
}

TEST(GenerateMaze, LeavesBothBorderOpeningsForTheSearch) {
  Maze maze = madeMaze(6, 4, " 45296.17");
  // Regenerate without the search to look at the raw carving.
  SeedDigits d = seedDigitsOf(" 45296.17");
  mixSeedDigits(d);
  generateMaze(maze, d);
  EXPECT_EQ(maze.cell(1, 0), cellPath);
  EXPECT_EQ(maze.cell(11, 8), cellOpen);
  int openBorder = 0;
  for (int x = 0; x <= 12; ++x)
    for (int y = 0; y <= 8; ++y)
      if ((x == 0 || y == 0 || x == 12 || y == 8) && maze.cell(x, y) != 0) ++openBorder;
  EXPECT_EQ(openBorder, 2);
  for (int x = 1; x < 12; x += 2)
    for (int y = 1; y < 8; y += 2) EXPECT_EQ(maze.cell(x, y), cellOpen);
}

TEST(MarkWayOut, KnownTwoByTwoMaze) {
  Maze maze;
  maze.roomsAcross = maze.roomsDown = 2;
  maze.gridMaxX = maze.gridMaxY = 4;
  maze.mazeGrid.assign(25, cellWall);
  for (auto [x, y] : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 3}, {2, 1}, {3, 2}, {1, 2}, {3, 4}})
    maze.cell(x, y) = cellOpen;
  maze.cell(1, 0) = cellPath;
  markWayOut(maze);
  for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}, {3, 4}})
    EXPECT_EQ(maze.cell(x, y), cellPath) << x << "," << y;
  EXPECT_EQ(maze.cell(1, 2), cellOpen);
  EXPECT_EQ(maze.cell(1, 3), cellOpen);
}

TEST(NewMaze, KnownSixByFour) {
  const Maze maze = madeMaze(6, 4, " 45296.17");
  EXPECT_EQ(maze.gridMaxX, 12);
  EXPECT_EQ(maze.gridMaxY, 8);
  EXPECT_EQ(maze.heroCol, 0);
  EXPECT_EQ(maze.heroRow, 0);
  EXPECT_EQ(testing::finishedMazeFault(maze), "");
  EXPECT_EQ(madeMaze(6, 4, " 45296.17").mazeGrid, maze.mazeGrid);
}

TEST(NewMaze, FinishedMazesAreSoundAtManySizesAndSeeds) {
  std::mt19937 rng(20261209);
  std::vector<std::pair<int, int>> sizes = {{2, 2},   {2, 3},    {3, 2},   {4, 4},   {6, 4},
                                            {16383, 2}, {2, 16383}, {181, 181}, {100, 100}};
  for (int i = 0; i < 60; ++i) {
    const int w = std::uniform_int_distribution<int>(2, 200)(rng);
    const int h = std::uniform_int_distribution<int>(2, std::max(2, std::min(200, 32767 / w)))(rng);
    sizes.push_back({w, h});
  }
  for (auto [w, h] : sizes) {
    for (int s = 0; s < 3; ++s) {
      const float seconds = std::uniform_real_distribution<float>(0.0f, 86400.0f)(rng);
      const Maze maze = madeMaze(w, h, seedTextOf(seconds));
      ASSERT_EQ(testing::finishedMazeFault(maze), "") << w << "x" << h << " at " << seconds;
    }
  }
}

TEST(NewMaze, RefusesSizesThatDoNotFit) {
  for (auto [w, h] : {std::pair{1, 4}, {4, 1}, {0, 0}, {-5, 4}, {16384, 2}, {2, 16384}, {182, 181},
                      {2147483647, 2147483647}})
    EXPECT_FALSE(newMaze(w, h, " 1")) << w << "x" << h;
}

TEST(NewMaze, SeedsFromTheClock) {
  testing::FakeClock clock;
  clock.seconds = 45296.17;
  EXPECT_EQ(seedTextNow(clock), " 45296.17");
}

} // namespace
} // namespace kvarnel
