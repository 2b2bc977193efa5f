// The game clock of a timed game, the time bar it fills, and the victory timer.
#pragma once

#include "core/game_state.h"
#include "play/play_session.h"

#include <cstdint>

namespace kvarnel {

inline constexpr std::int32_t timeBarFillBottom = 15; // the bar is filled from y 0 to 15, inclusive

enum class ClockOutcome {
  Ticked,    // paint the bar: red (colourRed) over x 0..redExtent, green (colourGreen) over
             // redExtent + 1..viewWidth, y 0..timeBarFillBottom, corners included
  TimeUp,    // stop the clock, disable the field and the hero's box, paint the bar's background
             // red, show the end window (dialogArg is 1)
  NotRunning // the game is not running against the clock: stop the clock, nothing else
};

struct ClockTick {
  ClockOutcome outcome = ClockOutcome::NotRunning;
  std::int32_t redExtent = 0; // for Ticked
};

// One second of the game clock. The walk in progress, if any, is left to finish.
ClockTick clockTick(PlaySession& play, SharedSettings& settings);

// The red part of the bar with secondsLeft to go: viewWidth - barPerSecond x secondsLeft,
// rounded half to even.
std::int32_t timeBarRedExtent(const SharedSettings& settings);

enum class VictoryOutcome {
  ShowEnd,   // stop the victory timer and show the end window (dialogArg is 0)
  NotWaiting // stop the victory timer, nothing else
};

// The victory timer's one tick, a second after the hero reached the exit room.
VictoryOutcome victoryTick(PlaySession& play, SharedSettings& settings);

} // namespace kvarnel
