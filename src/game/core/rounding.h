// Fractional values become whole pixels and seconds by rounding halves to even.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kvarnel {

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0). Values beyond
// the 32-bit range saturate and NaN gives 0, so no caller can meet an undefined conversion.
inline std::int32_t roundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  constexpr double lowest = std::numeric_limits<std::int32_t>::min();
  constexpr double highest = std::numeric_limits<std::int32_t>::max();
  if (whole <= lowest) return std::numeric_limits<std::int32_t>::min();
  if (whole >= highest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(whole);
}

} // namespace kvarnel
