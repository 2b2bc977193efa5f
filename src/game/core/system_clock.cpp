// The real clock.
#include "game/core/system_clock.h"

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

double SystemClock::steadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

CalendarDate SystemClock::today() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

double SystemClock::random() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

} // namespace kvarnel
