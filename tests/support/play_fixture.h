// The game session in play for the walk and session tests: hand-built mazes opened as files,
// clicks, and walks run to their end.
#pragma once

#include "game/play/game_session.h"
#include "support/mazes.h"

namespace kvarnel::testing {

// The hand-built mazes are drawn with 16-pixel walls and the 32-pixel hero: rooms lie 48
// pixels apart and the hero at rest in room (c, r) is at (16 + 48c, 16 + 48r).
inline FieldGeometry standardGeometry() { return fieldGeometryOf(16); }

inline FieldView viewAt(const Maze& maze) {
  FieldView view;
  view.geometry = standardGeometry();
  view.heroX = static_cast<std::int32_t>(heroRestPosition(maze.heroCol, view.geometry));
  view.heroY = static_cast<std::int32_t>(heroRestPosition(maze.heroRow, view.geometry));
  return view;
}

// A session playing the maze as an opened file, its view viewWidth x viewHeight.
inline GameSession playing(const Maze& maze, int viewWidth = 0, int viewHeight = 0) {
  GameSession session;
  session.openMaze(maze, standardGeometry());
  WindowLayout layout;
  layout.viewWidthSet = true;
  layout.viewWidth = viewWidth;
  layout.viewHeight = viewHeight;
  session.takeLayout(layout);
  return session;
}

inline void click(GameSession& session, double x, double y) {
  session.press();
  session.release({x, y});
}

// A click in the middle of room, in the standard geometry.
inline void clickRoom(GameSession& session, Room room) { click(session, 32 + 48 * room.col, 32 + 48 * room.row); }

// Step ticks until the walk has ended; the events of the last tick.
inline SessionEvents finishWalk(GameSession& session, const ViewScroll& bars = {}, int* ticks = nullptr) {
  SessionEvents last;
  int n = 0;
  while (session.stepTimerRuns() && n < 100000) {
    last = session.stepTick(bars);
    ++n;
  }
  if (ticks != nullptr) *ticks = n;
  return last;
}

// Seconds of a running clock, each a whole tick.
inline SessionEvents passSeconds(GameSession& session, int seconds) {
  SessionEvents last;
  for (int i = 0; i < seconds; ++i) last = session.clockTick(millisecondsPerSecond);
  return last;
}

} // namespace kvarnel::testing
