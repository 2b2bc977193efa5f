// The way to the door: the shortest, none where there is none, never off the grid.
#include "game/core/way_search.h"
#include "support/mazes.h"

#include <gtest/gtest.h>

#include <set>

namespace kvarnel {
namespace {

TEST(WayToDoor, TheShortestWayOrNoneOnHandMadeGrids) {
  // 4 x 3 rooms round a walled block; the border is open below the door, as a file may have it.
  Maze loop = testing::mazeFrom({
      "#########",
      "#.......#",
      "#.#####.#",
      "#.#####.#",
      "#.#####.#",
      "#.......#",
      "#######.#",
  });
  EXPECT_EQ(wayToDoor(loop, {0, 2}), (std::vector<Room>{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
  EXPECT_EQ(wayToDoor(loop, {3, 2}), (std::vector<Room>{{3, 2}}));
  const WayMarks marks = wayMarksOf(wayToDoor(loop, {2, 0}), 4, 3);
  EXPECT_EQ(marks.at(2, 0), WayMarks::toRight);
  EXPECT_EQ(marks.at(3, 0) & marks.at(3, 1), WayMarks::toBelow);
  EXPECT_EQ(marks.at(1, 2) | marks.at(3, 2) | marks.at(1, 0), 0);
  EXPECT_TRUE(wayMarksOf({{3, 2}}, 4, 3).empty()) << "at the door nothing is drawn";

  loop.cell(3, 5) = cellWall; // a closed room: from the bottom-left the way goes round the top
  EXPECT_EQ(wayToDoor(loop, {0, 2}).size(), 8u);
  loop.cell(7, 4) = cellWall; // the door walled in
  EXPECT_TRUE(wayToDoor(loop, {0, 0}).empty());
  EXPECT_EQ(wayLengthFromStart(loop), 0);
  EXPECT_TRUE(wayToDoor(loop, {4, 0}).empty()) << "outside the maze";
  EXPECT_TRUE(wayToDoor(Maze{}, {0, 0}).empty());
}

// A new maze has one way out, the one the generator marked: the search finds exactly its rooms,
// also in the longest mazes the game makes.
TEST(WayToDoor, FollowsTheMarkedWayOfNewMazes) {
  for (const auto& [width, height] : {std::pair{2, 2}, {20, 4}, {181, 181}, {16383, 2}, {2, 16383}}) {
    const Maze maze = testing::madeMaze(width, height);
    std::set<std::pair<int, int>> marked, found;
    for (int col = 0; col < width; ++col)
      for (int row = 0; row < height; ++row)
        if (maze.cell(2 * col + 1, 2 * row + 1) == cellPath) marked.insert({col, row});
    const std::vector<Room> way = wayToDoor(maze, {0, 0});
    for (Room room : way) found.insert({room.col, room.row});
    EXPECT_EQ(found, marked) << width << "x" << height;
    EXPECT_EQ(found.size(), way.size()) << "no room twice";
  }
}

} // namespace
} // namespace kvarnel
