// The real clock: local time of day and date, a steady clock, and a random source for the end
// window.
#pragma once

#include "game/core/clock.h"

#include <random>

namespace kvarnel {

class SystemClock : public Clock {
public:
  SystemClock();
  double secondsSinceMidnight() override;
  double random() override;
  double steadySeconds() override;
  CalendarDate today() override;

private:
  std::mt19937_64 engine_;
};

} // namespace kvarnel
