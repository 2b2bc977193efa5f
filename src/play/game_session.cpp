// The game's rules: new and opened mazes, the walk, the clock, victory and defeat.
#include "play/game_session.h"

#include "core/new_maze.h"
#include "play/game_clock.h"

#include <algorithm>

namespace kvarnel {

SessionChanges GameSession::startNewMaze(const NewGameRequest& request, const std::string& seedText,
                                         const FieldGeometry& geometry) {
  std::optional<Maze> made = newMaze(request.width, request.height, seedText);
  if (!made) return {};
  maze_ = std::move(*made);
  timed_.limit = request.limit;
  if (request.limit) timed_.secondsLeft = request.limit->totalSeconds();
  savingAllowed_ = !request.limit;
  return beginPlay(geometry);
}

SessionChanges GameSession::openMaze(Maze maze, const FieldGeometry& geometry) {
  maze_ = std::move(maze);
  timed_.limit.reset();
  return beginPlay(geometry);
}

SessionChanges GameSession::beginPlay(const FieldGeometry& geometry) {
  phase_ = Phase::Ready;
  pressed_ = false;
  walk_ = {};
  view_.geometry = geometry;
  placeHeroBox();
  // The layout runs for every maze shown: it sets the view's extents and shows the time bar
  // in a timed game only.
  SessionChanges changes;
  changes.redraw = true;
  changes.layOut = true;
  changes.newGame = true;
  return changes;
}

SessionChanges GameSession::changePictures(const FieldGeometry& geometry) {
  view_.geometry = geometry;
  if (!mazeShown()) return {};
  placeHeroBox();
  SessionChanges changes;
  changes.redraw = true;
  return changes;
}

// During a walk the hero's room is already its target: the box stands as many half steps short
// of it as the walk has ticks left, so that the walk still ends on the room.
void GameSession::placeHeroBox() {
  const FieldGeometry& g = view_.geometry;
  const std::int64_t shortBy = std::int64_t{std::max(walk_.stepsLeft, 0)} * g.halfStep;
  view_.heroX = static_cast<std::int32_t>(heroRestPosition(maze_.heroCol, g) - walk_.dx * shortBy);
  view_.heroY = static_cast<std::int32_t>(heroRestPosition(maze_.heroRow, g) - walk_.dy * shortBy);
}

void GameSession::takeLayout(const WindowLayout& layout) {
  if (layout.viewWidthSet) {
    view_.viewWidth = layout.viewWidth;
    if (layout.timeBarShown) timed_.barPerSecond = layout.barPerSecond;
  }
  view_.viewHeight = layout.viewHeight;
}

void GameSession::press() {
  if (fieldTakesClicks()) pressed_ = true;
}

SessionChanges GameSession::release(FieldPoint at) {
  if (!pressed_) return {};
  pressed_ = false;
  if (!fieldTakesClicks()) return {};
  const std::optional<WalkPlan> plan = walkForClick(maze_, view_, at);
  if (!plan) return {};
  maze_.heroCol += plan->rooms * plan->dx;
  maze_.heroRow += plan->rooms * plan->dy;
  walk_ = {plan->dx, plan->dy, 2 * plan->rooms};
  phase_ = Phase::Walking;
  return {};
}

bool GameSession::stepTimerRuns() const {
  return (phase_ == Phase::Walking || phase_ == Phase::TimeUp) && walk_.stepsLeft > 0;
}

SessionChanges GameSession::stepTick(const ViewScroll& bars) {
  SessionChanges changes;
  if (!stepTimerRuns()) return changes;
  view_.heroX += walk_.dx * view_.geometry.halfStep;
  view_.heroY += walk_.dy * view_.geometry.halfStep;
  walk_.stepsLeft -= 1;
  changes.heroMoved = true;
  if (walk_.stepsLeft > 0) return changes;

  changes.scrollTo = followHero(view_, walk_.dx, walk_.dy, bars);
  if (phase_ == Phase::TimeUp) return changes; // the field stays locked, no victory follows
  if (maze_.heroAtExit()) {
    phase_ = Phase::WonWaiting;
    savingAllowed_ = false;
  } else {
    phase_ = Phase::Ready;
    changes.walkEnded = true;
  }
  return changes;
}

bool GameSession::clockRuns() const {
  return timed_.limit && (phase_ == Phase::Ready || phase_ == Phase::Walking);
}

SessionChanges GameSession::clockTick() {
  SessionChanges changes;
  if (!clockRuns()) return changes;
  if (timed_.secondsLeft < 1) {
    phase_ = Phase::TimeUp;
    pressed_ = false;
    changes.timeRanOut = true;
    changes.showEnd = GameEnd::TimeUp;
    return changes;
  }
  timed_.secondsLeft -= 1;
  changes.timeBarRed = timeBarRedExtent(view_.viewWidth, timed_.barPerSecond, timed_.secondsLeft);
  return changes;
}

SessionChanges GameSession::victoryTick() {
  SessionChanges changes;
  if (phase_ != Phase::WonWaiting) return changes;
  phase_ = Phase::Won;
  changes.showEnd = GameEnd::Victory;
  return changes;
}

} // namespace kvarnel
