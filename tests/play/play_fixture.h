// Hand-built mazes for the play tests: a grid drawn as text, the hero placed at rest.
#pragma once

#include "core/game_state.h"
#include "play/hero_walk.h"

#include <initializer_list>
#include <string_view>

namespace kvarnel::testing {

// '#' is a closed cell, anything else open. Rows are y, characters x. Geometry: wall 16,
// hero 32, so rooms lie 48 pixels apart and the hero at rest in room (c, r) is at
// (16 + 48c, 16 + 48r).
inline MazeState mazeFrom(std::initializer_list<std::string_view> rows) {
  MazeState maze;
  const auto height = static_cast<std::int32_t>(rows.size());
  const auto width = static_cast<std::int32_t>(rows.begin()->size());
  maze.gridMaxX = width - 1;
  maze.gridMaxY = height - 1;
  maze.mazeWidth = maze.roomsAcross = maze.gridMaxX / 2;
  maze.mazeHeight = maze.roomsDown = maze.gridMaxY / 2;
  maze.mazeGrid.assign(static_cast<std::size_t>(width * height), cellWall);
  std::int32_t y = 0;
  for (std::string_view row : rows) {
    for (std::int32_t x = 0; x < width; ++x) {
      maze.cell(x, y) = row[static_cast<std::size_t>(x)] == '#' ? cellWall : cellOpen;
    }
    ++y;
  }
  maze.wallSize = 16;
  maze.heroSize = 32;
  maze.cellStep = 48;
  maze.halfStep = 24;
  maze.heroX = maze.heroY = 16;
  return maze;
}

inline void placeHero(MazeState& maze, std::int32_t col, std::int32_t row) {
  maze.heroCol = col;
  maze.heroRow = row;
  maze.heroX = maze.wallSize + col * maze.cellStep;
  maze.heroY = maze.wallSize + row * maze.cellStep;
}

inline FieldSize fieldOf(const MazeState& maze) {
  return {std::int64_t{maze.roomsAcross} * maze.cellStep + maze.wallSize,
          std::int64_t{maze.roomsDown} * maze.cellStep + maze.wallSize};
}

inline ReleaseOutcome click(PlaySession& play, MazeState& maze, double x, double y) {
  fieldMouseDown(play);
  return fieldMouseUp(play, maze, {x, y}, fieldOf(maze));
}

} // namespace kvarnel::testing
