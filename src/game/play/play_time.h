// The time a game has been played: from its start to now, pauses left out.
#pragma once

#include <algorithm>
#include <optional>

namespace kvarnel {

// Times are steady seconds handed in by the caller.
class PlayTime {
public:
  void start(double now) {
    startedAt_ = now;
    pausedFor_ = 0;
    pausedAt_.reset();
  }
  void pause(double now) {
    if (!pausedAt_) pausedAt_ = now;
  }
  void resume(double now) {
    if (pausedAt_) pausedFor_ += std::max(0.0, now - *pausedAt_);
    pausedAt_.reset();
  }
  double seconds(double now) const { return std::max(0.0, pausedAt_.value_or(now) - startedAt_ - pausedFor_); }

private:
  double startedAt_ = 0;
  double pausedFor_ = 0;
  std::optional<double> pausedAt_;
};

} // namespace kvarnel
