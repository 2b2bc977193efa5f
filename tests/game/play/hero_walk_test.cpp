// The hero's walk: which walk a click asks for, where the grid stops it, how the view follows.
#include "game/play/hero_walk.h"

#include "support/play_fixture.h"

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

using testing::mazeFrom;
using testing::sampleMaze;
using testing::viewAt;
using testing::withHeroAt;

TEST(HeroWalk, ClicksBecomeWalks) {
  struct Row {
    const char* what;
    int col, row; // hero before
    double x, y;  // release point
    int rooms, dx, dy;
  };
  const Row rows[] = {
      {"column band, two rooms down", 0, 0, 30, 120, 2, 0, 1},
      {"row band, three rooms right", 0, 0, 180, 30, 3, 1, 0},
      {"row band, left of the hero", 3, 0, 30, 30, 3, -1, 0},
      {"column band, above the hero", 3, 2, 170, 20, 2, 0, -1},
      {"diagonal: in neither band", 0, 0, 120, 120, 0, 0, 0},
      {"pixel column just right of the hero, level with it", 0, 0, 48, 30, 1, 0, 1},
      {"the hero's own top-left pixel: one room down", 0, 0, 16, 16, 1, 0, 1},
      {"wall right beside the hero", 0, 1, 100, 80, 0, 0, 0},
      {"far past the end of a corridor", 1, 1, 190, 80, 1, 1, 0},
      {"far down a column; bottom limit included", 0, 0, 30, 144, 2, 0, 1},
      {"margin: left limit included", 3, 0, 16, 30, 3, -1, 0},
      {"margin: just left of it", 3, 0, 15.9, 30, 0, 0, 0},
      {"margin: right limit included", 0, 0, 192, 30, 3, 1, 0},
      {"margin: just right of it", 0, 0, 192.1, 30, 0, 0, 0},
      {"margin: just below it", 0, 0, 30, 144.5, 0, 0, 0},
      // t = 79.5 rounds to 80, d = 48: two rooms (truncating would give one).
      {"fraction rounds before the division", 0, 0, 30, 95.5, 2, 0, 1},
      {"t = 78.5 rounds to 78: one room", 0, 0, 30, 94.5, 1, 0, 1},
      // t = -0.5 rounds to 0 (even): not above the box, so one room down.
      {"half a pixel above the box", 0, 1, 30, 63.5, 1, 0, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const Maze maze = withHeroAt(sampleMaze(), r.col, r.row);
    const std::optional<WalkPlan> plan = walkForClick(maze, viewAt(maze), {r.x, r.y});
    ASSERT_EQ(plan.has_value(), r.rooms > 0);
    if (!plan) continue;
    EXPECT_EQ(plan->rooms, r.rooms);
    EXPECT_EQ(plan->dx, r.dx);
    EXPECT_EQ(plan->dy, r.dy);
  }
}

// In a grid from a file a room can be closed. Met at step 4, it must stop the hero one room
// short of it, not let it in.
TEST(HeroWalk, ClosedRoomStopsTheWalkBeforeIt) {
  const Maze maze = mazeFrom({
      "#########",
      "#....#..#",
      "#########",
  });
  const std::optional<WalkPlan> plan = walkForClick(maze, viewAt(maze), {180, 30});
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->rooms, 1);
}

// Open border cells from a file: a walk out of an edge room would step off the grid.
TEST(HeroWalk, OpenBorderNeverLeadsOffTheGrid) {
  const Maze maze = mazeFrom({
      "#.#..", // a read below (3, 4) would wrap to (4, 0), open here
      ".....",
      "#.#..",
      ".....",
      "#.#.#",
  });
  for (auto [col, row] : {std::pair{1, 1}, {0, 1}}) {
    EXPECT_EQ(roomsOpen(withHeroAt(maze, col, row), 5, 0, 1), 0);
    EXPECT_EQ(roomsOpen(withHeroAt(maze, col, row), 5, 1, 0), 1 - col);
  }
  const Maze top = withHeroAt(maze, 1, 0);
  const std::optional<WalkPlan> plan = walkForClick(top, viewAt(top), {80, 16}); // on the box: down
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->dy, 1);
  EXPECT_EQ(plan->rooms, 1);
}

TEST(HeroWalk, ViewFollowsTheHero) {
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
      {"up, far from the top: stays", 0, -1, 16, 200, {true, 80, 500}, 80},
      {"right, within three rooms of the edge", 1, 0, 160, 16, {true, 0, 500}, 144},
      {"right, clamped to the maximum", 1, 0, 160, 16, {true, 0, 120}, 120},
      {"left, within three rooms of the edge", -1, 0, 160, 16, {true, 100, 500}, 0},
      {"left, exactly three rooms: stays", -1, 0, 244, 16, {true, 100, 500}, 100},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    FieldView view = viewAt(sampleMaze());
    view.heroX = r.heroX;
    view.heroY = r.heroY;
    view.viewWidth = 300;
    view.viewHeight = 200;
    const ScrollBarState other{true, 7, 500, 100};
    ViewScroll bars;
    ScrollBarState along = r.bar;
    along.page = r.dy != 0 ? view.viewHeight : view.viewWidth;
    (r.dy != 0 ? bars.vertical : bars.horizontal) = along;
    (r.dy != 0 ? bars.horizontal : bars.vertical) = other;
    const ViewScroll out = followHero(view, r.dx, r.dy, bars);
    EXPECT_EQ((r.dy != 0 ? out.vertical : out.horizontal).value, r.expected);
    EXPECT_EQ((r.dy != 0 ? out.horizontal : out.vertical).value, 7); // the other bar stays
  }
}

// With 64-pixel walls rooms lie 128 pixels apart: the two-room jump down would leave the hero
// above the view, so it scrolls just far enough to show his room whole.
TEST(HeroWalk, TheViewNeverLosesTheHero) {
  FieldView view;
  view.geometry = fieldGeometryOf(64);
  view.viewWidth = 628;
  view.viewHeight = 240;
  view.heroX = 64;
  view.heroY = 64 + 3 * 128;
  const ViewScroll down = followHero(view, 0, 1, {{false, 0, 0, 0}, {true, 300, 5000, 223}});
  EXPECT_EQ(down.vertical.value, view.heroY);
  // Up, the same: the hero walked above the view's top.
  const ViewScroll up = followHero(view, 0, -1, {{false, 0, 0, 0}, {true, 900, 5000, 223}});
  EXPECT_EQ(up.vertical.value, view.heroY);
}

} // namespace
} // namespace kvarnel
