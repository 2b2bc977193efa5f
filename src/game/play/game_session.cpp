// The game's rules: new and opened mazes, the walk, the clock, victory and defeat.
#include "game/play/game_session.h"

#include "game/core/maze_code.h"
#include "game/core/new_maze.h"
#include "game/play/game_clock.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kvarnel {

SessionChanges GameSession::startNewMaze(const NewGameRequest& request, const std::string& seedText,
                                         const FieldGeometry& geometry) {
  std::optional<Maze> made = newMaze(request.roomsAcross, request.roomsDown, seedText);
  if (!made) return {};
  maze_ = std::move(*made);
  seedText_ = seedText;
  timed_.limit = request.limit;
  if (request.limit) timed_.secondsLeft = request.limit->totalSeconds();
  savingAllowed_ = !request.limit;
  return beginPlay(geometry);
}

SessionChanges GameSession::openMaze(Maze maze, const FieldGeometry& geometry) {
  maze_ = std::move(maze);
  seedText_.reset();
  timed_.limit.reset();
  return beginPlay(geometry);
}

SessionChanges GameSession::beginPlay(const FieldGeometry& geometry) {
  phase_ = Phase::Ready;
  pressed_ = false;
  walk_ = {};
  pendingKey_.reset();
  paused_ = false;
  wayShown_ = false;
  helped_ = false;
  way_ = {};
  roomsWalked_ = 0;
  result_.reset();
  playTime_.start(now());
  view_.geometry = geometry;
  placeHeroBox();
  // The layout runs for every maze shown: it sets the view's extents and shows the time bar
  // in a timed game only.
  SessionChanges changes;
  changes.redraw = true;
  changes.layOut = true;
  changes.newGame = true;
  changes.wayChanged = true;
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

WindowLayoutInput GameSession::layoutInput(int clientWidth, int clientHeight, bool minimised) const {
  const std::optional<TimeLimit>& limit = timed_.limit;
  return {clientWidth, clientHeight, minimised, mazeShown(), limit.has_value(),
          limit ? limit->minutes : 0, limit ? limit->seconds : 0};
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
  if (plan) beginWalk(*plan);
  return {};
}

void GameSession::beginWalk(const WalkPlan& plan) {
  maze_.heroCol += plan.rooms * plan.dx;
  maze_.heroRow += plan.rooms * plan.dy;
  walk_ = {plan.dx, plan.dy, 2 * plan.rooms};
  roomsWalked_ += plan.rooms;
  phase_ = Phase::Walking;
}

bool GameSession::stepTimerRuns() const {
  return !paused_ && (phase_ == Phase::Walking || phase_ == Phase::TimeUp) && walk_.stepsLeft > 0;
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
  if (wayShown_) {
    findWay();
    changes.wayChanged = true;
  }
  if (maze_.heroAtExit()) {
    phase_ = Phase::WonWaiting;
    savingAllowed_ = false;
    pendingKey_.reset();
    // Helped games and mazes from files make no best time.
    if (!helped_ && seedText_) {
      const double seconds = playTime_.seconds(now());
      result_ = GameResult{{maze_.roomsAcross, maze_.roomsDown},
                           {std::llround(seconds * 1000.0), roomsWalked_, wayLengthFromStart(maze_),
                            timed_.limit.has_value(), clock_ != nullptr ? clock_->today() : CalendarDate{}}};
    }
  } else {
    phase_ = Phase::Ready;
    changes.walkEnded = true;
    if (const std::optional<WalkKey> key = std::exchange(pendingKey_, std::nullopt)) {
      if (const std::optional<WalkPlan> plan = walkForKey(maze_, *key)) beginWalk(*plan);
    }
  }
  return changes;
}

bool GameSession::clockRuns() const {
  return !paused_ && timed_.limit && (phase_ == Phase::Ready || phase_ == Phase::Walking);
}

SessionChanges GameSession::clockTick() {
  SessionChanges changes;
  if (!clockRuns()) return changes;
  if (timed_.secondsLeft < 1) {
    phase_ = Phase::TimeUp;
    pressed_ = false;
    pendingKey_.reset();
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
  changes.won = std::exchange(result_, std::nullopt);
  return changes;
}

SessionChanges GameSession::walkKey(WalkKey key) {
  if (paused_) return {};
  if (phase_ == Phase::Walking) {
    pendingKey_ = key;
    return {};
  }
  if (!fieldTakesClicks()) return {};
  if (const std::optional<WalkPlan> plan = walkForKey(maze_, key)) beginWalk(*plan);
  return {};
}

SessionChanges GameSession::restart() {
  if (!mazeShown()) return {};
  const bool wayShown = wayShown_;
  const bool helped = helped_;
  maze_.heroCol = 0;
  maze_.heroRow = 0;
  if (timed_.limit) timed_.secondsLeft = timed_.limit->totalSeconds();
  savingAllowed_ = !timed_.limit;
  SessionChanges changes = beginPlay(view_.geometry);
  wayShown_ = wayShown;
  helped_ = helped;
  findWay();
  return changes;
}

SessionChanges GameSession::setPaused(bool paused) {
  if (paused == paused_ || (paused && !clockRuns())) return {};
  paused_ = paused;
  pressed_ = false;
  if (paused) playTime_.pause(now());
  else playTime_.resume(now());
  return {};
}

SessionChanges GameSession::showWay(bool shown) {
  if (!wayAllowed() || shown == wayShown_) return {};
  wayShown_ = shown;
  helped_ = helped_ || shown;
  findWay();
  SessionChanges changes;
  changes.wayChanged = true;
  return changes;
}

// During a walk the hero's room is already its target: the way starts there.
void GameSession::findWay() {
  way_ = wayShown_ ? wayMarksOf(wayToDoor(maze_, {maze_.heroCol, maze_.heroRow}), maze_.roomsAcross, maze_.roomsDown)
                   : WayMarks{};
}

std::optional<std::string> GameSession::mazeCode() const {
  if (!seedText_ || !mazeShown()) return std::nullopt;
  return mazeCodeText(maze_.roomsAcross, maze_.roomsDown, *seedText_);
}

bool GameSession::keptAtExit() const {
  return !timed_.limit && (phase_ == Phase::Ready || phase_ == Phase::Walking);
}

} // namespace kvarnel
