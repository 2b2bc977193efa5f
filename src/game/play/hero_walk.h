// The hero's walk: which walk a click on the field asks for, and how the view follows the hero
// when a walk ends.
#pragma once

#include "game/core/maze.h"
#include "game/view/field_geometry.h"
#include "game/view/window_layout.h"

#include <cstdint>
#include <optional>

namespace kvarnel {

// A pointer position in field pixels; Qt may hand in fractions.
struct FieldPoint {
  double x = 0;
  double y = 0;
};

// A straight walk of whole rooms.
struct WalkPlan {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  std::int32_t rooms = 0;
};

// The walk a click at `at` asks for, as far as the walls allow; nothing for a click outside the
// outer wall, outside the hero's column and row (the column is tested first), or straight
// against a wall.
std::optional<WalkPlan> walkForClick(const Maze& maze, const FieldView& view, FieldPoint at);

// Rooms the hero can walk from his room, at most `asked`. Anything outside the grid counts as
// wall, so a maze file with an open border cell cannot lead him off it.
std::int64_t roomsOpen(const Maze& maze, std::int64_t asked, std::int32_t dx, std::int32_t dy);

// Scrolls the view after a walk in direction (dx, dy) so that the hero keeps two rooms of room
// below or above him and three to his right or left, jumping by as much. Where such a jump
// would leave part of his room out of view (rooms larger than the view allows for), the bar
// scrolls just far enough to show it whole. Values stay within [0, maximum].
ViewScroll followHero(const FieldView& view, std::int32_t dx, std::int32_t dy, ViewScroll bars);

} // namespace kvarnel
