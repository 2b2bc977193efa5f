// The injected clock: time of day for maze seeds, uniform random numbers for the end window,
// steady time for play times and today's date for the best times.
#pragma once

#include <cstdint>

namespace kvarnel {

struct CalendarDate {
  std::int32_t year = 0;
  std::int32_t month = 0; // 1 to 12
  std::int32_t day = 0;   // 1 to 31
  bool operator==(const CalendarDate&) const = default;
};

class Clock {
public:
  virtual ~Clock() = default;
  // Seconds since midnight, fractions included.
  virtual double secondsSinceMidnight() = 0;
  // A uniform random number in [0, 1).
  virtual double random() = 0;
  // Seconds from some fixed moment on a clock that never goes back, whatever happens to the time
  // of day: the measure of play times.
  virtual double steadySeconds() = 0;
  // The local date.
  virtual CalendarDate today() = 0;
};

} // namespace kvarnel
