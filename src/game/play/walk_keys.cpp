// Walking by keyboard.
#include "game/play/walk_keys.h"

namespace kvarnel {

std::optional<WalkKey> walkKeyOf(std::uint32_t key, HeldKeys held) {
  if (held.command) return std::nullopt;
  // With NumLock on the keypad's arrows come as digits.
  if (held.keypad) {
    switch (key) {
    case U'4': key = keys::left; break;
    case U'6': key = keys::right; break;
    case U'8': key = keys::up; break;
    case U'2': key = keys::down; break;
    default: break;
    }
  }
  WalkKey walk;
  walk.run = held.shift;
  switch (key) {
  case keys::left:
  case U'A':
  case U'Ф': walk.dx = -1; break;
  case keys::right:
  case U'D':
  case U'В': walk.dx = 1; break;
  case keys::up:
  case U'W':
  case U'Ц': walk.dy = -1; break;
  case keys::down:
  case U'S':
  case U'Ы': walk.dy = 1; break;
  default: return std::nullopt;
  }
  return walk;
}

std::optional<WalkPlan> walkForKey(const Maze& maze, WalkKey key) {
  std::int64_t asked = 1;
  if (key.run) {
    // A click at the far edge asks for the rooms up to the outer wall and one more.
    if (key.dx > 0) asked = std::int64_t{maze.roomsAcross} - maze.heroCol;
    if (key.dx < 0) asked = std::int64_t{maze.heroCol} + 1;
    if (key.dy > 0) asked = std::int64_t{maze.roomsDown} - maze.heroRow;
    if (key.dy < 0) asked = std::int64_t{maze.heroRow} + 1;
  }
  const std::int64_t rooms = roomsOpen(maze, asked, key.dx, key.dy);
  if (rooms <= 0) return std::nullopt;
  return WalkPlan{key.dx, key.dy, static_cast<std::int32_t>(rooms)};
}

} // namespace kvarnel
