// The real clock: local time of day, and a random source for the end window.
#pragma once

#include "core/clock.h"

#include <random>

namespace kvarnel {

class SystemClock : public Clock {
public:
  SystemClock();
  double secondsSinceMidnight() override;
  double random() override;

private:
  std::mt19937_64 engine_;
};

} // namespace kvarnel
