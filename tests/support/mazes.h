// Mazes for tests: made by the generator, or drawn as text.
#pragma once

#include "game/core/maze.h"
#include "game/core/new_maze.h"

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

} // namespace kvarnel::testing
