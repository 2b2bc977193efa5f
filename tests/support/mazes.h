// Mazes for tests: made by the generator, or drawn as text.
#pragma once

#include "game/core/maze.h"
#include "game/core/new_maze.h"
#include "game/core/way_search.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace kvarnel::testing {

// A new maze as the game makes it.
inline Maze madeMaze(int width, int height, const std::string& seedText = " 45296.17") {
  std::optional<Maze> maze = newMaze(width, height, seedText);
  EXPECT_TRUE(maze) << width << "x" << height;
  return maze.value_or(Maze{});
}

// '#' is a closed cell, anything else open. Rows are y, characters x.
inline Maze mazeFrom(std::initializer_list<std::string_view> rows) {
  Maze maze;
  const auto height = static_cast<std::int32_t>(rows.size());
  const auto width = static_cast<std::int32_t>(rows.begin()->size());
  maze.gridMaxX = width - 1;
  maze.gridMaxY = height - 1;
  maze.roomsAcross = maze.gridMaxX / 2;
  maze.roomsDown = maze.gridMaxY / 2;
  maze.mazeGrid.assign(static_cast<std::size_t>(width * height), cellWall);
  std::int32_t y = 0;
  for (std::string_view row : rows) {
    for (std::int32_t x = 0; x < width; ++x) maze.cell(x, y) = row[static_cast<std::size_t>(x)] == '#' ? cellWall : cellOpen;
    ++y;
  }
  return maze;
}

inline Maze withHeroAt(Maze maze, std::int32_t col, std::int32_t row) {
  maze.heroCol = col;
  maze.heroRow = row;
  return maze;
}

// 4 x 3 rooms, field 208 x 160 with 16-pixel walls. Row 0 is one corridor; column 0 runs down
// to row 2; rooms (1, 1)-(2, 1) are a short corridor; column 3 runs from row 0 to the exit room.
inline Maze sampleMaze() {
  return mazeFrom({
      "#########",
      "#.......#",
      "#.#####.#",
      "#.#...#.#",
      "#.#.###.#",
      "#.#.....#",
      "#########",
  });
}

// 4 x 3 rooms: the top row a corridor, the right column down to the exit room (3, 2); room
// (0, 1) hangs below (0, 0); the rest walled in.
inline Maze corridorMaze() {
  return mazeFrom({
      "#########",
      "#.......#",
      "#.#####.#",
      "#.#.#.#.#",
      "#######.#",
      "#.#.#.#.#",
      "#########",
  });
}

// The room next to the exit of a 2 x 2 maze that room (0, 0) opens to: the way out goes through
// one of (1, 0) and (0, 1).
inline Room roomBeforeTheExit(const Maze& maze) {
  const bool viaRight = maze.cell(2, 1) != cellWall && maze.cell(3, 2) != cellWall;
  return viaRight ? Room{1, 0} : Room{0, 1};
}

} // namespace kvarnel::testing
