// The way to the door: a breadth-first search over the rooms with an explicit queue.
#include "game/core/way_search.h"

#include <algorithm>
#include <array>

namespace kvarnel {
namespace {

constexpr std::array<Room, 4> steps{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
constexpr std::uint8_t unreached = 0xff;
constexpr std::uint8_t start = 0xfe;

} // namespace

std::vector<Room> wayToDoor(const Maze& maze, Room from) {
  const std::int32_t across = maze.roomsAcross;
  const std::int32_t down = maze.roomsDown;
  if (across <= 0 || down <= 0 || from.col < 0 || from.row < 0 || from.col >= across || from.row >= down)
    return {};
  const auto index = [down](Room r) {
    return static_cast<std::size_t>(r.col) * static_cast<std::size_t>(down) + static_cast<std::size_t>(r.row);
  };
  const Room door{across - 1, down - 1};

  // How each room was first reached: the step taken into it.
  std::vector<std::uint8_t> reachedBy(static_cast<std::size_t>(across) * static_cast<std::size_t>(down), unreached);
  std::vector<Room> queue;
  queue.reserve(reachedBy.size());
  reachedBy[index(from)] = start;
  queue.push_back(from);
  for (std::size_t next = 0; next < queue.size() && reachedBy[index(door)] == unreached; ++next) {
    const Room room = queue[next];
    const std::int64_t gx = 2 * std::int64_t{room.col} + 1;
    const std::int64_t gy = 2 * std::int64_t{room.row} + 1;
    for (std::uint8_t k = 0; k < steps.size(); ++k) {
      const Room to{room.col + steps[k].col, room.row + steps[k].row};
      if (to.col < 0 || to.row < 0 || to.col >= across || to.row >= down) continue;
      if (reachedBy[index(to)] != unreached) continue;
      if (!maze.openAt(gx + steps[k].col, gy + steps[k].row) ||
          !maze.openAt(gx + 2 * steps[k].col, gy + 2 * steps[k].row))
        continue;
      reachedBy[index(to)] = k;
      queue.push_back(to);
    }
  }
  if (reachedBy[index(door)] == unreached) return {};

  std::vector<Room> way{door};
  for (Room room = door; reachedBy[index(room)] != start;) {
    const Room& step = steps[reachedBy[index(room)]];
    room = {room.col - step.col, room.row - step.row};
    way.push_back(room);
  }
  std::reverse(way.begin(), way.end());
  return way;
}

std::int32_t wayLengthFromStart(const Maze& maze) {
  const std::vector<Room> way = wayToDoor(maze, {0, 0});
  return way.empty() ? 0 : static_cast<std::int32_t>(way.size() - 1);
}

WayMarks wayMarksOf(const std::vector<Room>& way, std::int32_t roomsAcross, std::int32_t roomsDown) {
  WayMarks marks;
  if (way.size() < 2 || roomsAcross <= 0 || roomsDown <= 0) return marks;
  marks.roomsAcross = roomsAcross;
  marks.roomsDown = roomsDown;
  marks.links.assign(static_cast<std::size_t>(roomsAcross) * static_cast<std::size_t>(roomsDown), 0);
  const auto mark = [&](Room room, std::uint8_t link) {
    marks.links[static_cast<std::size_t>(room.col) * static_cast<std::size_t>(roomsDown) +
                static_cast<std::size_t>(room.row)] |= link;
  };
  for (std::size_t i = 1; i < way.size(); ++i) {
    const Room a = way[i - 1];
    const Room b = way[i];
    const Room first{std::min(a.col, b.col), std::min(a.row, b.row)}; // the left or upper room
    mark(first, a.row == b.row ? WayMarks::toRight : WayMarks::toBelow);
  }
  return marks;
}

} // namespace kvarnel
