// Walking by keyboard: which keys walk which way, and the walk a key asks for.
#pragma once

#include "game/core/maze.h"
#include "game/play/hero_walk.h"

#include <cstdint>
#include <optional>

namespace kvarnel {

// Key codes as the windows hand them in: a letter is its upper-case Unicode code point, the
// arrow keys (also on the keypad) have these codes.
namespace keys {
inline constexpr std::uint32_t left = 0x01000012;
inline constexpr std::uint32_t up = 0x01000013;
inline constexpr std::uint32_t right = 0x01000014;
inline constexpr std::uint32_t down = 0x01000015;
} // namespace keys

// A walk asked for by a key: one room that way, or with `run` as far as the walls allow.
struct WalkKey {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  bool run = false;
  bool operator==(const WalkKey&) const = default;
};

// The arrows, and W, A, S, D in the Latin and the Russian layout (Ц, Ф, Ы, В), walk; Shift runs.
// A key held with Ctrl, Alt or the system key walks nowhere: it belongs to a shortcut.
std::optional<WalkKey> walkKeyOf(std::uint32_t key, bool shift, bool commandModifier);

// The walk a key asks for in the maze: one room, or for a run as many rooms as a click at the
// field's far edge in that direction would ask for; nothing straight against a wall.
std::optional<WalkPlan> walkForKey(const Maze& maze, WalkKey key);

} // namespace kvarnel
