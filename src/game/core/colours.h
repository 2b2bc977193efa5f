// The game's colours, 24-bit with red in the low byte.
#pragma once

#include <cstdint>

namespace kvarnel {

inline constexpr std::int32_t colourBlack = 0;
inline constexpr std::int32_t colourRed = 255;
inline constexpr std::int32_t colourGreen = 65280;

} // namespace kvarnel
