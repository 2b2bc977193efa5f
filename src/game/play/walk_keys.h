// Walking by keyboard: which keys walk which way, and the walk a key asks for.
#pragma once

#include "game/core/maze.h"
#include "game/play/hero_walk.h"

#include <cstdint>
#include <optional>

namespace kvarnel {

// Key codes as the windows hand them in: a letter or a digit is its upper-case Unicode code
// point, the arrow keys (also on the keypad) have these codes.
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

// What was held or known with a key.
struct HeldKeys {
  bool shift = false;
  bool command = false; // Ctrl, Alt or the system key: the key belongs to a shortcut
  bool keypad = false;  // the key is on the numeric keypad
};

// The arrows, W, A, S, D in the Latin and the Russian layout (Ц, Ф, Ы, В), and the keypad's 8, 4,
// 2, 6 (NumLock on) walk; Shift runs. The digits of the main keyboard walk nowhere, and neither
// does a key held with a command modifier.
std::optional<WalkKey> walkKeyOf(std::uint32_t key, HeldKeys held);

// The walk a key asks for in the maze: one room, or for a run as many rooms as a click at the
// field's far edge in that direction would ask for; nothing straight against a wall.
std::optional<WalkPlan> walkForKey(const Maze& maze, WalkKey key);

} // namespace kvarnel
