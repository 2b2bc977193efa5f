// The game's rules: new and opened mazes, the walk, the clock, pause, victory and defeat.
#include "game/play/game_session.h"

#include "game/core/maze_code.h"
#include "game/core/new_maze.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kvarnel {

void GameSession::startNewMaze(const NewGameRequest& request, const std::string& seedText,
                               const FieldGeometry& geometry) {
  std::optional<Maze> made = newMaze(request.roomsAcross, request.roomsDown, seedText);
  if (!made) return;
  maze_ = std::move(*made);
  seedText_ = seedText;
  timed_.limit = request.limit;
  savingAllowed_ = !request.limit;
  beginPlay(geometry);
}

void GameSession::openMaze(Maze maze, const FieldGeometry& geometry) {
  maze_ = std::move(maze);
  seedText_.reset();
  timed_.limit.reset();
  beginPlay(geometry);
}

void GameSession::restart() {
  if (!mazeShown()) return;
  const bool wayShown = wayShown_;
  const bool helped = helped_;
  maze_.heroCol = 0;
  maze_.heroRow = 0;
  beginPlay(view_.geometry);
  wayShown_ = wayShown;
  helped_ = helped;
  findWay();
}

// Everything of the last game goes; the clock starts with a whole second.
void GameSession::beginPlay(const FieldGeometry& geometry) {
  phase_ = Phase::Ready;
  ++drawing_;
  pressed_ = false;
  walk_ = {};
  pendingKey_.reset();
  paused_ = false;
  wayShown_ = false;
  helped_ = false;
  way_ = {};
  roomsWalked_ = 0;
  result_.reset();
  timed_.secondsLeft = timed_.limit ? timed_.limit->totalSeconds() : 0;
  timed_.secondGone = 0;
  playTime_.start(now());
  view_.geometry = geometry;
  placeHeroBox();
}

void GameSession::changePictures(const FieldGeometry& geometry) {
  view_.geometry = geometry;
  if (mazeShown()) placeHeroBox();
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

void GameSession::release(FieldPoint at) {
  if (!pressed_) return;
  pressed_ = false;
  if (!fieldTakesClicks()) return;
  if (const std::optional<WalkPlan> plan = walkForClick(maze_, view_, at)) beginWalk(*plan);
}

void GameSession::walkKey(WalkKey key) {
  if (paused_) return;
  if (phase_ == Phase::Walking) {
    pendingKey_ = key;
    return;
  }
  if (!fieldTakesClicks()) return;
  if (const std::optional<WalkPlan> plan = walkForKey(maze_, key)) beginWalk(*plan);
}

void GameSession::beginWalk(const WalkPlan& plan) {
  maze_.heroCol += plan.rooms * plan.dx;
  maze_.heroRow += plan.rooms * plan.dy;
  walk_ = {plan.dx, plan.dy, 2 * plan.rooms};
  roomsWalked_ += plan.rooms;
  phase_ = Phase::Walking;
}

void GameSession::setPaused(bool paused, int clockElapsed) {
  if (paused == paused_ || (paused && !clockRuns())) return;
  if (paused) {
    // A second that would have ended with the pause is counted when the clock goes on.
    timed_.secondGone = std::clamp(timed_.secondGone + std::max(clockElapsed, 0), 0, millisecondsPerSecond - 1);
    playTime_.pause(now());
  } else {
    playTime_.resume(now());
  }
  paused_ = paused;
  pressed_ = false;
}

void GameSession::showWay(bool shown) {
  if (!wayAllowed() || shown == wayShown_) return;
  wayShown_ = shown;
  helped_ = helped_ || shown;
  findWay();
}

void GameSession::wayOnPaper() {
  if (mazeShown()) helped_ = true;
}

bool GameSession::stepTimerRuns() const {
  return !paused_ && (phase_ == Phase::Walking || phase_ == Phase::TimeUp) && walk_.stepsLeft > 0;
}

SessionEvents GameSession::stepTick(const ViewScroll& bars) {
  SessionEvents events;
  if (!stepTimerRuns()) return events;
  view_.heroX += walk_.dx * view_.geometry.halfStep;
  view_.heroY += walk_.dy * view_.geometry.halfStep;
  walk_.stepsLeft -= 1;
  if (walk_.stepsLeft > 0) return events;
  events.scrollTo = followHero(view_, walk_.dx, walk_.dy, bars);
  endWalk();
  return events;
}

void GameSession::endWalk() {
  if (phase_ == Phase::TimeUp) return; // the field stays locked, no victory follows
  findWay();
  if (!maze_.heroAtExit()) {
    phase_ = Phase::Ready;
    if (const std::optional<WalkKey> key = std::exchange(pendingKey_, std::nullopt)) walkKey(*key);
    return;
  }
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
}

bool GameSession::clockRuns() const {
  return !paused_ && timed_.limit && (phase_ == Phase::Ready || phase_ == Phase::Walking);
}

SessionEvents GameSession::clockTick(int elapsed) {
  SessionEvents events;
  if (!clockRuns()) return events;
  timed_.secondGone += std::max(elapsed, 0);
  while (timed_.secondGone >= millisecondsPerSecond && clockRuns()) {
    timed_.secondGone -= millisecondsPerSecond;
    countSecond(events);
  }
  if (!clockRuns()) timed_.secondGone = 0;
  return events;
}

void GameSession::countSecond(SessionEvents& events) {
  if (timed_.secondsLeft >= 1) {
    timed_.secondsLeft -= 1;
    return;
  }
  phase_ = Phase::TimeUp;
  pressed_ = false;
  pendingKey_.reset();
  events.end = GameEnd::TimeUp;
}

SessionEvents GameSession::victoryTick() {
  SessionEvents events;
  if (phase_ != Phase::WonWaiting) return events;
  phase_ = Phase::Won;
  events.end = GameEnd::Victory;
  events.victory = std::exchange(result_, std::nullopt);
  return events;
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
