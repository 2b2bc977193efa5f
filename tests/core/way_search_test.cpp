// The way to the door: shortest, safe on any grid the reader accepts, and the marks drawn for it.
#include "core/way_search.h"
#include "support/mazes.h"

#include <gtest/gtest.h>

#include <set>

namespace kvarnel {
namespace {

using testing::madeMaze;
using testing::mazeFrom;

// 4 x 3 rooms around a walled block: the top row and the right column, the left column and the
// bottom row both lead from (0, 0) to the door (3, 2).
Maze loopMaze() {
  return mazeFrom({
      "#########",
      "#.......#",
      "#.#####.#",
      "#.#####.#",
      "#.#####.#",
      "#.......#",
      "#########",
  });
}

TEST(WayToDoor, TakesTheShortestWayAndMarksItRoomByRoom) {
  EXPECT_EQ(wayToDoor(loopMaze(), {0, 0}).size(), 6u);
  EXPECT_EQ(wayLengthFromStart(loopMaze()), 5);
  // From the bottom-left the bottom row is 3 rooms, round the top it would be 7.
  const std::vector<Room> way = wayToDoor(loopMaze(), {0, 2});
  EXPECT_EQ(way, (std::vector<Room>{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
  // From the top row's middle, the right-hand side.
  EXPECT_EQ(wayToDoor(loopMaze(), {2, 0}), (std::vector<Room>{{2, 0}, {3, 0}, {3, 1}, {3, 2}}));

  const WayMarks marks = wayMarksOf(wayToDoor(loopMaze(), {2, 0}), 4, 3);
  EXPECT_EQ(marks.at(2, 0), WayMarks::toRight);
  EXPECT_EQ(marks.at(3, 0), WayMarks::toBelow);
  EXPECT_EQ(marks.at(3, 1), WayMarks::toBelow);
  for (int col = 0; col < 4; ++col) EXPECT_EQ(marks.at(col, 2), 0) << col;
  EXPECT_EQ(marks.at(1, 0), 0);
  // Standing at the door there is nothing to draw.
  EXPECT_EQ(wayToDoor(loopMaze(), {3, 2}), (std::vector<Room>{{3, 2}}));
  EXPECT_TRUE(wayMarksOf({{3, 2}}, 4, 3).empty());
}

TEST(WayToDoor, NoWayOutsideOrBehindWallsAndNeverOffTheGrid) {
  // The door's room (2, 2) is walled in, the border open below it and below (1, 2), as a
  // hand-made file may have; room (1, 1) is walled in too.
  const Maze walled = mazeFrom({
      "#######",
      "#.....#",
      "#.###.#",
      "#.#.#.#",
      "#.#####",
      "#...#.#",
      "###.#.#",
  });
  for (Room from : {Room{0, 0}, Room{1, 1}, Room{1, 2}}) EXPECT_TRUE(wayToDoor(walled, from).empty());
  EXPECT_TRUE(wayToDoor(walled, {3, 0}).empty()) << "outside the maze";
  EXPECT_TRUE(wayToDoor(walled, {-1, 0}).empty());
  EXPECT_EQ(wayLengthFromStart(walled), 0);
  EXPECT_TRUE(wayToDoor(Maze{}, {0, 0}).empty());

  // A closed room cell is no room to pass through, even with open cells on both sides: from the
  // bottom-left the way goes round the top.
  Maze closedRoom = loopMaze();
  closedRoom.cell(3, 5) = cellWall;
  EXPECT_EQ(wayToDoor(closedRoom, {0, 2}).size(), 8u);
}

// In a new maze there is one way out, the one the generator marked: the search finds exactly
// its rooms, also in the longest mazes the game makes.
TEST(WayToDoor, FollowsTheMarkedWayOfNewMazes) {
  for (const auto& [width, height] : {std::pair{2, 2}, {20, 4}, {181, 181}, {16383, 2}, {2, 16383}}) {
    const Maze maze = madeMaze(width, height);
    std::set<std::pair<int, int>> marked;
    for (int col = 0; col < width; ++col)
      for (int row = 0; row < height; ++row)
        if (maze.cell(2 * col + 1, 2 * row + 1) == cellPath) marked.insert({col, row});
    const std::vector<Room> way = wayToDoor(maze, {0, 0});
    std::set<std::pair<int, int>> found;
    for (Room room : way) found.insert({room.col, room.row});
    EXPECT_EQ(found, marked) << width << "x" << height;
    EXPECT_EQ(found.size(), way.size()) << "no room twice";
  }
}

} // namespace
} // namespace kvarnel
