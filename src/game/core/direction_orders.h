// The 24 direction orders: every sequence of left, down, right, up, in the game's fixed numbering.
#pragma once

#include <array>
#include <cstdint>

namespace kvarnel {

inline constexpr int directionSlots = 4;
inline constexpr int directionOrders = 24;

struct Step {
  std::int8_t dx;
  std::int8_t dy;
};

// dirOrderDx / dirOrderDy as one table: dirOrder[order][slot].
using DirectionOrders = std::array<std::array<Step, directionSlots>, directionOrders>;

// Order 0 (left, down, right, up) is the base; order i puts base direction 0 into slot a,
// 1 into slot b, 2 into c and 3 into d for the i-th permutation (a, b, c, d) in nested-loop order.
constexpr DirectionOrders makeDirectionOrders() {
  constexpr std::array<Step, directionSlots> base{{{-1, 0}, {0, 1}, {1, 0}, {0, -1}}};
  DirectionOrders orders{};
  int i = 0;
  for (int a = 0; a < 4; ++a)
    for (int b = 0; b < 4; ++b)
      for (int c = 0; c < 4; ++c)
        for (int d = 0; d < 4; ++d) {
          if (a == b || a == c || a == d || b == c || b == d || c == d) continue;
          orders[i][a] = base[0];
          orders[i][b] = base[1];
          orders[i][c] = base[2];
          orders[i][d] = base[3];
          ++i;
        }
  return orders;
}

inline constexpr DirectionOrders dirOrder = makeDirectionOrders();

} // namespace kvarnel
