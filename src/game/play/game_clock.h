// The time bar of a timed game: how much of it the seconds gone have filled.
#pragma once

#include <cstdint>

namespace kvarnel {

// The red part of the bar with secondsLeft to go: viewWidth - barPerSecond x secondsLeft,
// rounded half to even. Red covers x 0..redExtent, green redExtent + 1..viewWidth.
std::int32_t timeBarRedExtent(std::int32_t viewWidth, float barPerSecond, std::int32_t secondsLeft);

} // namespace kvarnel
