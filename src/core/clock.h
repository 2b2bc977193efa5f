// The injected clock: time of day for maze seeds, and uniform random numbers for the end window.
#pragma once

namespace kvarnel {

class Clock {
public:
  virtual ~Clock() = default;
  // Seconds since midnight, fractions included.
  virtual double secondsSinceMidnight() = 0;
  // A uniform random number in [0, 1).
  virtual double random() = 0;
};

} // namespace kvarnel
