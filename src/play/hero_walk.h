// The hero's walk: a click on the field becomes a straight walk of whole rooms, animated in
// half-room steps, with the viewport following the hero and the exit test at the end.
#pragma once

#include "core/game_state.h"
#include "play/play_session.h"

#include <cstdint>

namespace kvarnel {

// A new maze is on the field (made or opened): the hero stands ready, any walk is dropped.
void beginPlay(PlaySession& play, MazeState& maze);

// A pointer position in field pixels; Qt may hand in fractions.
struct FieldPoint {
  double x = 0;
  double y = 0;
};

struct FieldSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// A button went down on the field.
void fieldMouseDown(PlaySession& play);

enum class ReleaseOutcome {
  Ignored,    // nothing changed on screen
  WalkStarted // heroCol/heroRow hold the target room: disable the field and the hero's box,
              // start the step timer
};

// A button came up on the field at `at`. Only a release after a press, inside the outer wall,
// in the hero's column or row (the column first) and not straight against a wall starts a walk.
ReleaseOutcome fieldMouseUp(PlaySession& play, MazeState& maze, FieldPoint at, FieldSize field);

// One scroll bar of the viewport, as the window has it; value is the viewport's offset.
struct ScrollBarState {
  bool visible = false;
  std::int32_t value = 0;
  std::int32_t maximum = 0;
};

struct ViewScroll {
  ScrollBarState horizontal;
  ScrollBarState vertical;
};

// Scrolls the viewport after a walk so that the hero keeps two rooms of room below or above it
// and three to its right or left, jumping by as much; values stay within [0, maximum].
ViewScroll followHero(const GameState& state, ViewScroll bars);

enum class StepOutcome {
  Moved,           // move the hero's box to heroX, heroY; the walk goes on
  WalkEnded,       // also: stop the step timer, apply scroll, enable the field and the hero's box,
                   // focus the field
  Won,             // also: stop the step timer, apply scroll, stop the game clock, start the
                   // victory timer, disable the save commands; the field stays disabled
  WalkEndedTimeUp, // the time ran out during the walk: stop the step timer, apply scroll; the
                   // field stays disabled and no victory follows
  NotWalking       // a stray tick: stop the step timer, nothing else
};

struct StepResult {
  StepOutcome outcome = StepOutcome::NotWalking;
  ViewScroll scroll; // the bars' new values, changed only when the walk ended
};

// One tick of the step timer: the hero's box moves half a room.
StepResult stepTick(PlaySession& play, GameState& state, const ViewScroll& bars);

} // namespace kvarnel
