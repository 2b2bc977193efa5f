// Hand-built mazes in play for the walk and session tests.
#pragma once

#include "game/play/game_session.h"
#include "support/mazes.h"

namespace kvarnel::testing {

// The hand-built mazes are drawn with 16-pixel walls and the 32-pixel hero: rooms lie 48
// pixels apart and the hero at rest in room (c, r) is at (16 + 48c, 16 + 48r).
inline FieldGeometry standardGeometry() { return fieldGeometryOf(16); }

// 4 x 3 rooms, field 208 x 160. Row 0 is one corridor; column 0 runs down to row 2; rooms
// (1, 1)-(2, 1) are a short corridor; column 3 runs from row 0 to the exit room (3, 2).
inline Maze sampleMaze() {
  return mazeFrom({
      "#########",
      "#.......#",
      "#.#####.#",
      "#.#...#.#",
      "#.#.###.#",
      "#.#.....#",
      "#########",
  });
}

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

// Step ticks until the walk has ended; the changes of the last tick.
inline SessionChanges finishWalk(GameSession& session, const ViewScroll& bars = {}, int* ticks = nullptr) {
  SessionChanges last;
  int n = 0;
  while (session.stepTimerRuns() && n < 100000) {
    last = session.stepTick(bars);
    ++n;
  }
  if (ticks != nullptr) *ticks = n;
  return last;
}

// The room next to the exit of a 2 x 2 maze that room (0, 0) opens to: the way out goes
// through one of (1, 0) and (0, 1).
inline std::pair<int, int> roomBeforeTheExit(const Maze& maze) {
  const bool viaRight = maze.cell(2, 1) != cellWall && maze.cell(3, 2) != cellWall;
  return viaRight ? std::pair{1, 0} : std::pair{0, 1};
}

// A click in the middle of room (col, row), in the standard geometry.
inline void clickRoom(GameSession& session, int col, int row) { click(session, 32 + 48 * col, 32 + 48 * row); }

} // namespace kvarnel::testing
