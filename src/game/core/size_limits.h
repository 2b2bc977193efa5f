// Which maze sizes can be made: the grid indexes and the room count must fit 16 bits.
#pragma once

#include <cstdint>

namespace kvarnel {

inline constexpr std::int64_t minRoomsPerSide = 2;
inline constexpr std::int64_t maxRoomsPerSide = 16383; // twice this is the largest 16-bit index
inline constexpr std::int64_t maxRoomCount = 32767;

// True when a maze of width x height rooms can be built. Takes 64-bit values so that
// callers can pass whatever they parsed without overflowing on the way.
constexpr bool mazeSizeFits(std::int64_t width, std::int64_t height) {
  return width >= minRoomsPerSide && height >= minRoomsPerSide && width <= maxRoomsPerSide &&
         height <= maxRoomsPerSide && width * height <= maxRoomCount;
}

} // namespace kvarnel
