// The real clock.
#include "core/system_clock.h"

#include <chrono>
#include <ctime>

namespace kvarnel {

SystemClock::SystemClock() : engine_(std::random_device{}()) {}

double SystemClock::secondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const double fraction =
      static_cast<double>(duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000) / 1e6;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

double SystemClock::random() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

} // namespace kvarnel
