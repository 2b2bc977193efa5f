// The time bar's red extent.
#include "game/play/game_clock.h"

#include "game/core/rounding.h"

namespace kvarnel {

std::int32_t timeBarRedExtent(std::int32_t viewWidth, float barPerSecond, std::int32_t secondsLeft) {
  // barPerSecond is kept in single precision; the product with the whole seconds is taken in
  // double, which holds it exactly, so the only rounding is the final one to whole pixels.
  const double elapsedLength = static_cast<double>(viewWidth) - static_cast<double>(barPerSecond) * secondsLeft;
  return roundHalfEven(elapsedLength);
}

} // namespace kvarnel
