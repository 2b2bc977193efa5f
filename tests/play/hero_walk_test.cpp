// The hero's walk: clicks into walks, the grid walk's stops, step ticks and the viewport follow.
#include "play/hero_walk.h"

#include "core/rounding.h"
#include "play/play_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kvarnel {
namespace {

using testing::click;
using testing::fieldOf;
using testing::mazeFrom;
using testing::placeHero;

// 4 x 3 rooms, field 208 x 160. Row 0 is one corridor; column 0 runs down to row 2; rooms
// (1, 1)-(2, 1) are a short corridor; column 3 runs from row 0 to the exit room (3, 2).
MazeState sampleMaze() {
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

StepOutcome walkToEnd(PlaySession& play, GameState& state, int* ticks = nullptr) {
  StepResult r;
  int n = 0;
  do {
    r = stepTick(play, state, {});
    ++n;
  } while (r.outcome == StepOutcome::Moved && n < 1000);
  if (ticks != nullptr) *ticks = n;
  return r.outcome;
}

TEST(HeroWalk, ClicksBecomeWalks) {
  struct Row {
    const char* what;
    int col, row;   // hero before
    double x, y;    // release point
    bool walks;
    int toCol, toRow, dx, dy;
  };
  const Row rows[] = {
      {"column band, two rooms down", 0, 0, 30, 120, true, 0, 2, 0, 1},
      {"row band, three rooms right", 0, 0, 180, 30, true, 3, 0, 1, 0},
      {"row band, left of the hero", 3, 0, 30, 30, true, 0, 0, -1, 0},
      {"column band, above the hero", 3, 2, 170, 20, true, 3, 0, 0, -1},
      {"diagonal: in neither band", 0, 0, 120, 120, false, 0, 0, 0, 0},
      {"pixel column just right of the hero, level with it", 0, 0, 48, 30, true, 0, 1, 0, 1},
      {"the hero's own top-left pixel: one room down", 0, 0, 16, 16, true, 0, 1, 0, 1},
      {"wall right beside the hero", 0, 1, 100, 80, false, 0, 1, 0, 0},
      {"far past the end of a corridor", 1, 1, 190, 80, true, 2, 1, 1, 0},
      {"far down a column; bottom limit included", 0, 0, 30, 144, true, 0, 2, 0, 1},
      {"margin: left limit included", 3, 0, 16, 30, true, 0, 0, -1, 0},
      {"margin: just left of it", 3, 0, 15.9, 30, false, 3, 0, 0, 0},
      {"margin: right limit included", 0, 0, 192, 30, true, 3, 0, 1, 0},
      {"margin: just right of it", 0, 0, 192.1, 30, false, 0, 0, 0, 0},
      {"margin: just below it", 0, 0, 30, 144.5, false, 0, 0, 0, 0},
      // t = 79.5 rounds to 80, d = 48: two rooms (truncating would give one).
      {"fraction rounds before the division", 0, 0, 30, 95.5, true, 0, 2, 0, 1},
      {"t = 78.5 rounds to 78: one room", 0, 0, 30, 94.5, true, 0, 1, 0, 1},
      // t = -0.5 rounds to 0 (even): not above the box, so one room down.
      {"half a pixel above the box", 0, 1, 30, 63.5, true, 0, 2, 0, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    MazeState maze = sampleMaze();
    placeHero(maze, r.col, r.row);
    PlaySession play;
    beginPlay(play, maze);
    const ReleaseOutcome outcome = click(play, maze, r.x, r.y);
    EXPECT_EQ(outcome == ReleaseOutcome::WalkStarted, r.walks);
    EXPECT_EQ(maze.heroCol, r.toCol);
    EXPECT_EQ(maze.heroRow, r.toRow);
    const int rooms = std::abs(r.toCol - r.col) + std::abs(r.toRow - r.row);
    EXPECT_EQ(maze.stepsLeft, 2 * rooms);
    EXPECT_EQ(play.state, r.walks ? PlayState::Walking : PlayState::Ready);
    if (r.walks) {
      EXPECT_EQ(maze.moveDx, r.dx);
      EXPECT_EQ(maze.moveDy, r.dy);
    }
    EXPECT_FALSE(play.mousePressed);
  }
}

TEST(HeroWalk, ReleaseWithoutPressIsIgnored) {
  MazeState maze = sampleMaze();
  PlaySession play;
  beginPlay(play, maze);
  EXPECT_EQ(fieldMouseUp(play, maze, {180, 30}, fieldOf(maze)), ReleaseOutcome::Ignored);
  fieldMouseDown(play);
  fieldMouseUp(play, maze, {120, 120}, fieldOf(maze)); // ignored, but uses up the press
  EXPECT_EQ(fieldMouseUp(play, maze, {180, 30}, fieldOf(maze)), ReleaseOutcome::Ignored);
  EXPECT_EQ(maze.heroCol, 0);
}

TEST(HeroWalk, NoClickIsTakenWhileWalkingOrBeforeAMaze) {
  MazeState maze = sampleMaze();
  PlaySession play;
  EXPECT_EQ(click(play, maze, 180, 30), ReleaseOutcome::Ignored); // no maze yet
  beginPlay(play, maze);
  ASSERT_EQ(click(play, maze, 180, 30), ReleaseOutcome::WalkStarted);
  EXPECT_EQ(click(play, maze, 30, 120), ReleaseOutcome::Ignored);
  EXPECT_EQ(maze.heroCol, 3);
  EXPECT_EQ(maze.stepsLeft, 6);
}

// In a grid from a file a room can be closed. Met at step 4, it must stop the hero one room
// short of it, not let it in.
TEST(HeroWalk, ClosedRoomStopsTheWalkBeforeIt) {
  MazeState maze = mazeFrom({
      "#########",
      "#....#..#",
      "#########",
  });
  PlaySession play;
  beginPlay(play, maze);
  ASSERT_EQ(click(play, maze, 180, 30), ReleaseOutcome::WalkStarted);
  EXPECT_EQ(maze.heroCol, 1);
  EXPECT_EQ(maze.stepsLeft, 2);
}

// Open border cells from a file: a walk out of an edge room would step off the grid.
TEST(HeroWalk, OpenBorderNeverLeadsOffTheGrid) {
  MazeState maze = mazeFrom({
      "#.#..", // a read below (3, 4) would wrap to (4, 0), open here
      ".....",
      "#.#..",
      ".....",
      "#.#.#",
  });
  PlaySession play;
  beginPlay(play, maze);
  placeHero(maze, 1, 1);
  EXPECT_EQ(click(play, maze, 80, 96), ReleaseOutcome::Ignored); // down, on the bottom margin
  placeHero(maze, 0, 1);
  EXPECT_EQ(click(play, maze, 30, 96), ReleaseOutcome::Ignored);
  // A field reported larger than the maze lets a click ask for more: still nothing past the edge.
  placeHero(maze, 1, 1);
  fieldMouseDown(play);
  EXPECT_EQ(fieldMouseUp(play, maze, {150, 80}, {300, 300}), ReleaseOutcome::Ignored);
  fieldMouseDown(play);
  EXPECT_EQ(fieldMouseUp(play, maze, {80, 200}, {300, 300}), ReleaseOutcome::Ignored);
  placeHero(maze, 1, 0);
  EXPECT_EQ(click(play, maze, 80, 16), ReleaseOutcome::WalkStarted); // on the box: down
  EXPECT_EQ(maze.heroRow, 1);
}

TEST(HeroWalk, OddCellStepDriftsByTheRoundedHalfStep) {
  struct Row {
    int heroSize, halfStep;
  };
  for (const Row r : {Row{17, 16}, Row{19, 18}}) { // cellStep 33 and 35
    MazeState maze = sampleMaze();
    maze.heroSize = r.heroSize;
    maze.cellStep = maze.wallSize + r.heroSize;
    maze.halfStep = roundHalfEven(maze.cellStep * 0.5);
    EXPECT_EQ(maze.halfStep, r.halfStep);
    GameState state{maze, {}};
    PlaySession play;
    beginPlay(play, state.maze);
    ASSERT_EQ(click(play, state.maze, 16 + r.heroSize + maze.cellStep, 20), ReleaseOutcome::WalkStarted);
    EXPECT_EQ(state.maze.heroCol, 2);
    int ticks = 0;
    EXPECT_EQ(walkToEnd(play, state, &ticks), StepOutcome::WalkEnded);
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(state.maze.heroX, 16 + 4 * r.halfStep);
    EXPECT_EQ(state.maze.heroY, 16);
  }
}

TEST(HeroWalk, WalkIntoTheExitRoomWinsOnlyAtItsEnd) {
  GameState state{sampleMaze(), {}};
  placeHero(state.maze, 3, 0);
  PlaySession play;
  beginPlay(play, state.maze);
  ASSERT_EQ(click(play, state.maze, 170, 140), ReleaseOutcome::WalkStarted);
  EXPECT_EQ(state.maze.heroRow, 2); // the target room at once
  for (int tick = 1; tick <= 3; ++tick) EXPECT_EQ(stepTick(play, state, {}).outcome, StepOutcome::Moved);
  EXPECT_EQ(state.maze.heroY, 16 + 3 * 24);
  EXPECT_EQ(stepTick(play, state, {}).outcome, StepOutcome::Won);
  EXPECT_EQ(state.maze.heroY, 112);
  EXPECT_EQ(play.state, PlayState::WonWaiting);
  EXPECT_FALSE(fieldTakesClicks(play));
  EXPECT_EQ(stepTick(play, state, {}).outcome, StepOutcome::NotWalking);
}

TEST(HeroWalk, WalkEndedElsewhereMakesTheFieldReady) {
  GameState state{sampleMaze(), {}};
  PlaySession play;
  beginPlay(play, state.maze);
  ASSERT_EQ(click(play, state.maze, 180, 30), ReleaseOutcome::WalkStarted);
  EXPECT_EQ(walkToEnd(play, state), StepOutcome::WalkEnded);
  EXPECT_TRUE(fieldTakesClicks(play));
  EXPECT_EQ(state.maze.heroX, 160);
}

TEST(HeroWalk, NewMazeDropsTheWalkInProgress) {
  GameState state{sampleMaze(), {}};
  PlaySession play;
  beginPlay(play, state.maze);
  ASSERT_EQ(click(play, state.maze, 180, 30), ReleaseOutcome::WalkStarted);
  beginPlay(play, state.maze);
  EXPECT_EQ(stepTick(play, state, {}).outcome, StepOutcome::NotWalking);
  EXPECT_TRUE(fieldTakesClicks(play));
}

TEST(HeroWalk, ViewportFollowsTheHero) {
  struct Row {
    const char* what;
    int dx, dy, heroX, heroY;
    ScrollBarState bar; // the bar along the walk
    int expected;
  };
  // viewWidth 300, viewHeight 200, heroSize 32, cellStep 48: jumps of 96 down, 144 across.
  const Row rows[] = {
      {"down, within two rooms of the bottom", 0, 1, 16, 112, {true, 0, 500}, 96},
      {"down, clamped to the maximum", 0, 1, 16, 112, {true, 0, 50}, 50},
      {"down, exactly two rooms left: stays", 0, 1, 16, 72, {true, 0, 500}, 0},
      {"down, hidden bar", 0, 1, 16, 112, {false, 0, 500}, 0},
      {"up, within two rooms of the top", 0, -1, 16, 112, {true, 80, 500}, 0},
      {"up, far from the top: stays", 0, -1, 16, 400, {true, 80, 500}, 80},
      {"right, within three rooms of the edge", 1, 0, 160, 16, {true, 0, 500}, 144},
      {"right, clamped to the maximum", 1, 0, 160, 16, {true, 0, 120}, 120},
      {"left, within three rooms of the edge", -1, 0, 160, 16, {true, 100, 500}, 0},
      {"left, exactly three rooms: stays", -1, 0, 244, 16, {true, 100, 500}, 100},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    GameState state;
    state.maze = sampleMaze();
    state.maze.moveDx = r.dx;
    state.maze.moveDy = r.dy;
    state.maze.heroX = r.heroX;
    state.maze.heroY = r.heroY;
    state.settings.viewWidth = 300;
    state.settings.viewHeight = 200;
    const ScrollBarState other{true, 7, 500};
    ViewScroll bars;
    (r.dy != 0 ? bars.vertical : bars.horizontal) = r.bar;
    (r.dy != 0 ? bars.horizontal : bars.vertical) = other;
    const ViewScroll out = followHero(state, bars);
    EXPECT_EQ((r.dy != 0 ? out.vertical : out.horizontal).value, r.expected);
    EXPECT_EQ((r.dy != 0 ? out.horizontal : out.vertical).value, 7); // the other bar stays
  }
}

TEST(HeroWalk, LastTickScrollsTheView) {
  GameState state{sampleMaze(), {}};
  state.settings.viewWidth = 150;
  state.settings.viewHeight = 100;
  PlaySession play;
  beginPlay(play, state.maze);
  ASSERT_EQ(click(play, state.maze, 180, 30), ReleaseOutcome::WalkStarted);
  const ViewScroll bars{{true, 0, 75}, {true, 0, 77}};
  StepResult r = stepTick(play, state, bars);
  EXPECT_EQ(r.scroll.horizontal.value, 0); // not during the walk
  while (r.outcome == StepOutcome::Moved) r = stepTick(play, state, bars);
  EXPECT_EQ(r.scroll.horizontal.value, 75);
  EXPECT_EQ(r.scroll.vertical.value, 0);
}

} // namespace
} // namespace kvarnel
