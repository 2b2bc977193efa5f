// The game clock, the time bar's red extent, and the victory timer.
#include "play/game_clock.h"

#include "core/rounding.h"

namespace kvarnel {

std::int32_t timeBarRedExtent(const SharedSettings& settings) {
  // barPerSecond is kept in single precision; the product with the whole seconds is taken in
  // double, which holds it exactly, so the only rounding is the final one to whole pixels.
  const double elapsedLength = static_cast<double>(settings.viewWidth) -
                               static_cast<double>(settings.barPerSecond) * settings.secondsLeft;
  return roundHalfEven(elapsedLength);
}

ClockTick clockTick(PlaySession& play, SharedSettings& settings) {
  ClockTick tick;
  const bool running = play.state == PlayState::Ready || play.state == PlayState::Walking;
  if (!running || settings.timedGame != 1) return tick;

  if (settings.secondsLeft < 1) {
    play.state = PlayState::TimeUp;
    play.mousePressed = false;
    settings.dialogArg = 1;
    tick.outcome = ClockOutcome::TimeUp;
    return tick;
  }
  settings.secondsLeft -= 1;
  tick.outcome = ClockOutcome::Ticked;
  tick.redExtent = timeBarRedExtent(settings);
  return tick;
}

VictoryOutcome victoryTick(PlaySession& play, SharedSettings& settings) {
  if (play.state != PlayState::WonWaiting) return VictoryOutcome::NotWaiting;
  play.state = PlayState::Won;
  settings.dialogArg = 0;
  return VictoryOutcome::ShowEnd;
}

} // namespace kvarnel
