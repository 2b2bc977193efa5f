// The way from a room to the door: the shortest walk through the maze, found breadth first.
#pragma once

#include "game/core/maze.h"

#include <cstdint>
#include <vector>

namespace kvarnel {

struct Room {
  std::int32_t col = 0;
  std::int32_t row = 0;
  bool operator==(const Room&) const = default;
};

// The rooms of a shortest way from `from` to the exit room (roomsAcross - 1, roomsDown - 1),
// both included; empty when there is none or `from` lies outside the maze. A step into the next
// room needs the cell between the two rooms and the next room's own cell open, as a walk does,
// so any grid the maze file reader accepts is searched safely. Memory and time grow with the
// number of rooms only; nothing recurses.
std::vector<Room> wayToDoor(const Maze& maze, Room from);

// The rooms a shortest way from room (0, 0) to the door walks through, the start not counted;
// 0 when there is no way.
std::int32_t wayLengthFromStart(const Maze& maze);

// A way as the field draws it: for each room, whether the way goes on from it to the room on
// its right and to the room below it. Rooms are stored column by column, as the grid is.
struct WayMarks {
  static constexpr std::uint8_t toRight = 1;
  static constexpr std::uint8_t toBelow = 2;

  std::int32_t roomsAcross = 0;
  std::int32_t roomsDown = 0;
  std::vector<std::uint8_t> links;

  bool operator==(const WayMarks&) const = default;
  bool empty() const { return links.empty(); }
  std::uint8_t at(std::int32_t col, std::int32_t row) const {
    return links[static_cast<std::size_t>(col) * static_cast<std::size_t>(roomsDown) + static_cast<std::size_t>(row)];
  }
};

// The marks of a way through a maze of roomsAcross x roomsDown rooms; no marks for a way of
// fewer than two rooms.
WayMarks wayMarksOf(const std::vector<Room>& way, std::int32_t roomsAcross, std::int32_t roomsDown);

} // namespace kvarnel
