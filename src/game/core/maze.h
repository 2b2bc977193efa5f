// The maze in play: its grid of walls and rooms, its size, and the room the hero stands in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvarnel {

// A maze's size in rooms.
struct MazeSize {
  std::int32_t roomsAcross = 0;
  std::int32_t roomsDown = 0;
  bool operator==(const MazeSize&) const = default;
};

// Cell codes of mazeGrid. Every nonzero code is open.
enum CellCode : std::uint8_t { cellWall = 0, cellPath = 1, cellOpen = 2 };

// Rooms are cells (2c + 1, 2r + 1); the cells between them are walls or openings. The grid is
// stored column by column (y varies fastest), the order of the maze file.
struct Maze {
  std::int32_t roomsAcross = 0; // rooms across
  std::int32_t roomsDown = 0; // rooms down
  std::int32_t gridMaxX = 0; // 2 x roomsAcross; 0 while there is no grid
  std::int32_t gridMaxY = 0;
  std::vector<std::uint8_t> mazeGrid;

  std::int32_t heroCol = 0;
  std::int32_t heroRow = 0;

  bool operator==(const Maze&) const = default;
  bool hasGrid() const { return gridMaxX != 0; }
  bool heroAtExit() const { return heroCol == roomsAcross - 1 && heroRow == roomsDown - 1; }
  std::size_t cellIndex(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(x) * static_cast<std::size_t>(gridMaxY + 1) +
           static_cast<std::size_t>(y);
  }
  std::uint8_t cell(std::int32_t x, std::int32_t y) const { return mazeGrid[cellIndex(x, y)]; }
  std::uint8_t& cell(std::int32_t x, std::int32_t y) { return mazeGrid[cellIndex(x, y)]; }
  // Whether grid cell (x, y) is open; anything outside the grid counts as wall, so a maze file
  // with an open border cell cannot lead a walk or a search off it.
  bool openAt(std::int64_t x, std::int64_t y) const {
    if (x < 0 || y < 0 || x > gridMaxX || y > gridMaxY) return false;
    const std::size_t index = cellIndex(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
    return index < mazeGrid.size() && mazeGrid[index] != cellWall;
  }
};

} // namespace kvarnel
