// The hero's walk: clicks into walks, step ticks, the viewport following the hero.
#include "play/hero_walk.h"

#include "core/rounding.h"

#include <algorithm>

namespace kvarnel {
namespace {

// Anything outside the grid counts as wall, so a maze file with an open border cell cannot lead
// the walk out of the grid.
bool isOpen(const MazeState& maze, std::int64_t gx, std::int64_t gy) {
  if (gx < 0 || gy < 0 || gx > maze.gridMaxX || gy > maze.gridMaxY) return false;
  const std::size_t index = maze.cellIndex(static_cast<std::int32_t>(gx), static_cast<std::int32_t>(gy));
  return index < maze.mazeGrid.size() && maze.mazeGrid[index] != cellWall;
}

// Rooms the walk can go, at most `asked`: the grid is walked a cell at a time, wall places and
// rooms alternating, and stops in the last whole room before a closed cell. A closed cell at step
// i leaves (i - 1) div 2 rooms; halves must not round up, or a closed room met at step 4, 8, ...
// (possible only in a grid from a file) would take the hero into it.
std::int64_t roomsOpen(const MazeState& maze, std::int64_t asked, std::int32_t dx, std::int32_t dy) {
  std::int64_t gx = 2 * static_cast<std::int64_t>(maze.heroCol) + 1;
  std::int64_t gy = 2 * static_cast<std::int64_t>(maze.heroRow) + 1;
  for (std::int64_t i = 1; i <= 2 * asked; ++i) {
    gx += dx;
    gy += dy;
    if (!isOpen(maze, gx, gy)) return (i - 1) / 2;
  }
  return asked;
}

// Limits included.
bool inBand(double at, std::int32_t start, std::int32_t size) {
  return start <= at && at <= static_cast<double>(start) + size;
}

struct Reach {
  std::int32_t sign = 0;
  std::int64_t distance = 0; // pixels beyond the hero's box, negative on the box itself
};

// From the hero's box to the click along the walk's axis.
Reach reachOf(double at, std::int32_t boxStart, std::int32_t boxSize) {
  const std::int64_t t = roundHalfEven(at - boxStart);
  if (t < 0) return {-1, -t};
  return {1, t - boxSize};
}

std::int32_t clampToBar(std::int64_t value, std::int32_t maximum) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, std::max(maximum, 0)));
}

} // namespace

void beginPlay(PlaySession& play, MazeState& maze) {
  play.state = PlayState::Ready;
  play.mousePressed = false;
  maze.moveDx = 0;
  maze.moveDy = 0;
  maze.stepsLeft = 0;
}

void fieldMouseDown(PlaySession& play) {
  if (fieldTakesClicks(play)) play.mousePressed = true;
}

ReleaseOutcome fieldMouseUp(PlaySession& play, MazeState& maze, FieldPoint at, FieldSize field) {
  if (!play.mousePressed) return ReleaseOutcome::Ignored;
  play.mousePressed = false;
  if (!fieldTakesClicks(play) || maze.cellStep <= 0) return ReleaseOutcome::Ignored;

  const double wall = maze.wallSize;
  const bool insideWall = at.x >= wall && at.y >= wall &&
                          at.x <= static_cast<double>(field.width) - wall &&
                          at.y <= static_cast<double>(field.height) - wall;
  if (!insideWall) return ReleaseOutcome::Ignored;

  // The column test comes first: a click on the hero's own box walks down.
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  Reach reach;
  if (inBand(at.x, maze.heroX, maze.heroSize)) {
    reach = reachOf(at.y, maze.heroY, maze.heroSize);
    dy = reach.sign;
  } else if (inBand(at.y, maze.heroY, maze.heroSize)) {
    reach = reachOf(at.x, maze.heroX, maze.heroSize);
    dx = reach.sign;
  } else {
    return ReleaseOutcome::Ignored;
  }

  const std::int64_t asked = reach.distance / maze.cellStep + 1;
  const std::int64_t rooms = roomsOpen(maze, asked, dx, dy);
  if (rooms == 0) return ReleaseOutcome::Ignored;

  const auto n = static_cast<std::int32_t>(rooms);
  maze.heroCol += n * dx;
  maze.heroRow += n * dy;
  maze.moveDx = dx;
  maze.moveDy = dy;
  maze.stepsLeft = 2 * n;
  play.state = PlayState::Walking;
  return ReleaseOutcome::WalkStarted;
}

ViewScroll followHero(const GameState& state, ViewScroll bars) {
  const MazeState& maze = state.maze;
  const std::int64_t s = maze.cellStep;
  const std::int64_t heroX = maze.heroX;
  const std::int64_t heroY = maze.heroY;
  const std::int64_t heroSize = maze.heroSize;

  ScrollBarState& v = bars.vertical;
  if (v.visible) {
    const std::int64_t spaceBelow = v.value + std::int64_t{state.settings.viewHeight} - heroY - heroSize;
    if (maze.moveDy > 0 && spaceBelow < 2 * s) {
      v.value = clampToBar(v.value + 2 * s, v.maximum);
    } else if (maze.moveDy < 0 && heroY - v.value < 2 * s) {
      v.value = clampToBar(v.value - 2 * s, v.maximum);
    }
  }
  ScrollBarState& h = bars.horizontal;
  if (h.visible) {
    const std::int64_t spaceRight = h.value + std::int64_t{state.settings.viewWidth} - heroX - heroSize;
    if (maze.moveDx > 0 && spaceRight < 3 * s) {
      h.value = clampToBar(h.value + 3 * s, h.maximum);
    } else if (maze.moveDx < 0 && heroX - h.value < 3 * s) {
      h.value = clampToBar(h.value - 3 * s, h.maximum);
    }
  }
  return bars;
}

StepResult stepTick(PlaySession& play, GameState& state, const ViewScroll& bars) {
  MazeState& maze = state.maze;
  StepResult result;
  result.scroll = bars;
  const bool walking = play.state == PlayState::Walking || play.state == PlayState::TimeUp;
  if (!walking || maze.stepsLeft <= 0) return result;

  maze.heroX += maze.moveDx * maze.halfStep;
  maze.heroY += maze.moveDy * maze.halfStep;
  maze.stepsLeft -= 1;
  if (maze.stepsLeft > 0) {
    result.outcome = StepOutcome::Moved;
    return result;
  }

  result.scroll = followHero(state, bars);
  if (play.state == PlayState::TimeUp) {
    result.outcome = StepOutcome::WalkEndedTimeUp;
  } else if (maze.heroCol == maze.mazeWidth - 1 && maze.heroRow == maze.mazeHeight - 1) {
    play.state = PlayState::WonWaiting;
    result.outcome = StepOutcome::Won;
  } else {
    play.state = PlayState::Ready;
    result.outcome = StepOutcome::WalkEnded;
  }
  return result;
}

} // namespace kvarnel
