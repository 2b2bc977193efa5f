// The game session played through its commands: walks, the clock, victory and defeat.
#include "play/game_session.h"

#include "core/rounding.h"
#include "play/game_clock.h"
#include "play/play_fixture.h"
#include "support/fake_platform.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

using testing::click;
using testing::finishWalk;
using testing::mazeFrom;
using testing::playing;
using testing::withHeroAt;

// 4 x 3 rooms: row 0 is one corridor, column 0 runs down to row 2, column 3 runs down from row 0
// to the exit room (3, 2).
Maze sampleMaze() {
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

// A timed 2 x 2 maze with the hero walked next to the exit.
GameSession timedNextToTheExit(int seconds) {
  GameSession session;
  session.startNewMaze({2, 2, TimeLimit{0, seconds}}, " 45296.17", testing::standardGeometry());
  const auto [col, row] = testing::roomBeforeTheExit(session.maze());
  testing::clickRoom(session, col, row);
  finishWalk(session);
  EXPECT_EQ(session.phase(), Phase::Ready);
  return session;
}

TEST(GameSession, AWalkGoesHalfARoomATickAndEndsReady) {
  GameSession session = playing(sampleMaze());
  EXPECT_TRUE(session.fieldTakesClicks());
  EXPECT_FALSE(session.stepTimerRuns());
  session.release({180, 30}); // a release without a press is no click
  EXPECT_EQ(session.maze().heroCol, 0);

  click(session, 180, 30);
  EXPECT_EQ(session.maze().heroCol, 3) << "the hero's room changes at once";
  EXPECT_EQ(session.phase(), Phase::Walking);
  EXPECT_FALSE(session.fieldTakesClicks());
  click(session, 30, 120); // no click is taken while walking
  EXPECT_EQ(session.maze().heroRow, 0);
  const SessionChanges first = session.stepTick({});
  EXPECT_TRUE(first.heroMoved);
  EXPECT_FALSE(first.scrollTo) << "the view scrolls only when the walk ends";
  EXPECT_EQ(session.view().heroX, 16 + 24);

  int ticks = 0;
  const SessionChanges last = finishWalk(session, {}, &ticks);
  EXPECT_EQ(ticks, 5);
  EXPECT_TRUE(last.walkEnded);
  EXPECT_TRUE(last.scrollTo);
  EXPECT_EQ(session.view().heroX, 160);
  EXPECT_TRUE(session.fieldTakesClicks());
  EXPECT_FALSE(session.stepTick({}).heroMoved);
}

TEST(GameSession, TheExitRoomWinsOnlyAfterTheWalkAndTheDelay) {
  GameSession session = playing(withHeroAt(sampleMaze(), 3, 0));
  click(session, 170, 140);
  EXPECT_EQ(session.maze().heroRow, 2);
  for (int tick = 1; tick <= 3; ++tick) session.stepTick({});
  EXPECT_EQ(session.phase(), Phase::Walking);
  EXPECT_EQ(session.view().heroY, 16 + 3 * 24);
  const SessionChanges end = session.stepTick({});
  EXPECT_FALSE(end.walkEnded);
  EXPECT_EQ(session.phase(), Phase::WonWaiting);
  EXPECT_TRUE(session.victoryDelayRuns());
  EXPECT_FALSE(session.fieldTakesClicks());
  EXPECT_EQ(session.victoryTick().showEnd, GameEnd::Victory);
  EXPECT_EQ(session.phase(), Phase::Won);
  EXPECT_FALSE(session.victoryTick().showEnd) << "the end window is asked for once";
}

TEST(GameSession, OddRoomStepsDriftUntilTheNextDrawing) {
  GameSession session;
  const FieldGeometry g = fieldGeometryOf(17); // cellStep 49, halfStep 24
  ASSERT_EQ(g.halfStep, roundHalfEven(49 / 2.0));
  session.openMaze(sampleMaze(), g);
  click(session, 17 + 32 + 49 + 5, 20);
  ASSERT_EQ(session.maze().heroCol, 2);
  finishWalk(session);
  EXPECT_EQ(session.view().heroX, 17 + 4 * 24);
  EXPECT_TRUE(session.changePictures(g).redraw);
  EXPECT_EQ(session.view().heroX, 17 + 2 * 49);
}

TEST(GameSession, OtherPicturesDuringAWalkKeepTheBoxOnItsWay) {
  GameSession session = playing(sampleMaze());
  click(session, 180, 30);
  session.stepTick({});
  session.changePictures(fieldGeometryOf(24)); // cellStep 56, halfStep 28
  EXPECT_EQ(session.view().heroX, 24 + 3 * 56 - 5 * 28);
  finishWalk(session);
  EXPECT_EQ(session.view().heroX, 24 + 3 * 56);
}

TEST(GameSession, ANewMazeDropsTheWalkAndTheEndedGame) {
  GameSession session = playing(sampleMaze());
  click(session, 180, 30);
  const SessionChanges changes = session.openMaze(sampleMaze(), testing::standardGeometry());
  EXPECT_TRUE(changes.redraw);
  EXPECT_TRUE(changes.restartTimers);
  EXPECT_FALSE(session.stepTimerRuns());
  EXPECT_TRUE(session.fieldTakesClicks());
  EXPECT_EQ(session.view().heroX, 16);
}

TEST(GameSession, ATenSecondLimitFillsTheBarThenEndsTheGame) {
  GameSession session;
  const SessionChanges start = session.startNewMaze({4, 4, TimeLimit{0, 10}}, " 45296.17", testing::standardGeometry());
  EXPECT_TRUE(start.layOut);
  EXPECT_FALSE(session.savingAllowed());
  WindowLayout layout;
  layout.viewWidthSet = layout.timeBarShown = true;
  layout.viewWidth = 400;
  layout.barPerSecond = 40.0f;
  session.takeLayout(layout);
  for (int second = 1; second <= 10; ++second) {
    ASSERT_TRUE(session.clockRuns());
    EXPECT_EQ(session.clockTick().timeBarRed, 40 * second) << second;
  }
  const SessionChanges end = session.clockTick();
  EXPECT_TRUE(end.timeRanOut);
  EXPECT_EQ(end.showEnd, GameEnd::TimeUp);
  EXPECT_EQ(session.phase(), Phase::TimeUp);
  EXPECT_FALSE(session.fieldTakesClicks());
  EXPECT_FALSE(session.clockRuns());
  EXPECT_FALSE(session.clockTick().showEnd);
}

// barPerSecond is single precision (296 / 48 = 6.16666651...); the product with the seconds is
// exact in double, 55.500..., so nine seconds left round up to 241. A product rounded to float
// first would be 55.5 exactly and round to the even 240.
TEST(GameSession, TheBarProductIsTakenInDouble) {
  EXPECT_EQ(timeBarRedExtent(296, 296.0f / 48.0f, 9), 241);
}

TEST(GameSession, AVictoryInTheLastSecondStopsTheClock) {
  GameSession session = timedNextToTheExit(1);
  EXPECT_TRUE(session.clockRuns());
  session.clockTick(); // the last second goes; a victory still comes first
  testing::clickRoom(session, 1, 1);
  finishWalk(session);
  EXPECT_EQ(session.phase(), Phase::WonWaiting);
  EXPECT_FALSE(session.clockRuns());
  EXPECT_FALSE(session.clockTick().showEnd);
  EXPECT_EQ(session.victoryTick().showEnd, GameEnd::Victory);
}

// The time runs out while the hero walks into the exit room: the walk completes, the field
// stays locked, and no victory follows the lost game.
TEST(GameSession, AWalkOutlivingTheTimeEndsLockedAndWithoutVictory) {
  GameSession session = timedNextToTheExit(1);
  session.clockTick();
  testing::clickRoom(session, 1, 1);
  ASSERT_EQ(session.phase(), Phase::Walking);
  session.stepTick({});
  EXPECT_EQ(session.clockTick().showEnd, GameEnd::TimeUp);
  EXPECT_TRUE(session.stepTimerRuns()) << "the walk goes on to its room";
  const SessionChanges last = finishWalk(session);
  EXPECT_TRUE(last.scrollTo);
  EXPECT_FALSE(last.walkEnded);
  EXPECT_EQ(session.phase(), Phase::TimeUp);
  EXPECT_EQ(session.view().heroX, 64);
  EXPECT_EQ(session.view().heroY, 64);
  testing::clickRoom(session, 0, 1);
  EXPECT_FALSE(session.stepTimerRuns());
  EXPECT_FALSE(session.victoryTick().showEnd);
}

TEST(GameSession, SavingIsForUntimedNewGamesUntilTheyAreWon) {
  GameSession session;
  EXPECT_FALSE(session.savingAllowed());
  session.startNewMaze({2, 2, std::nullopt}, " 1", testing::standardGeometry());
  EXPECT_TRUE(session.savingAllowed());
  session.openMaze(withHeroAt(sampleMaze(), 3, 1), testing::standardGeometry());
  EXPECT_TRUE(session.savingAllowed()) << "opening leaves it as it was";
  click(session, 170, 120);
  finishWalk(session);
  EXPECT_FALSE(session.savingAllowed());
  session.startNewMaze({2, 2, TimeLimit{1, 0}}, " 1", testing::standardGeometry());
  EXPECT_FALSE(session.savingAllowed());
}

// The keys, as the window hands them in, and the walks they ask for.
TEST(WalkKeys, ArrowsAndBothLayoutsWalkShiftRunsShortcutsDoNot) {
  static_assert(keys::left == Qt::Key_Left && keys::right == Qt::Key_Right && keys::up == Qt::Key_Up &&
                keys::down == Qt::Key_Down);
  const struct {
    std::uint32_t key;
    std::int32_t dx, dy;
  } table[] = {{Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1},
               {Qt::Key_A, -1, 0},    {Qt::Key_D, 1, 0},     {Qt::Key_W, 0, -1},  {Qt::Key_S, 0, 1},
               {U'Ф', -1, 0},         {U'В', 1, 0},          {U'Ц', 0, -1},       {U'Ы', 0, 1}};
  for (const auto& row : table) {
    EXPECT_EQ(walkKeyOf(row.key, false, false), (WalkKey{row.dx, row.dy, false})) << row.key;
    EXPECT_EQ(walkKeyOf(row.key, true, false), (WalkKey{row.dx, row.dy, true})) << row.key;
    EXPECT_EQ(walkKeyOf(row.key, false, true), std::nullopt) << row.key;
  }
  for (std::uint32_t other : {std::uint32_t{Qt::Key_P}, std::uint32_t{Qt::Key_H}, std::uint32_t{Qt::Key_F5},
                              std::uint32_t{U'З'}, std::uint32_t{Qt::Key_Space}})
    EXPECT_EQ(walkKeyOf(other, false, false), std::nullopt) << other;

  // A run asks for as many rooms as a click at the field's far edge: as far as the walls allow.
  const Maze maze = sampleMaze();
  const FieldView view = testing::viewAt(maze);
  const PixelRect field = fieldRectOf(maze, view.geometry);
  const double farRight = static_cast<double>(field.width - view.geometry.wallSize);
  const std::optional<WalkPlan> click = walkForClick(maze, view, {farRight, 30});
  const std::optional<WalkPlan> run = walkForKey(maze, {1, 0, true});
  ASSERT_TRUE(click && run);
  EXPECT_EQ(run->rooms, click->rooms);
  EXPECT_EQ(walkForKey(maze, {0, 1, true})->rooms, 2);
  EXPECT_EQ(walkForKey(maze, {1, 0, false})->rooms, 1);
  EXPECT_EQ(walkForKey(maze, {-1, 0, true}), std::nullopt);
  EXPECT_EQ(walkForKey(testing::withHeroAt(maze, 1, 0), {-1, 0, true})->rooms, 1);
}

TEST(GameSession, KeysWalkAsClicksDoAndTheLastKeyPressedDuringAWalkFollowsIt) {
  GameSession session = playing(sampleMaze());
  session.walkKey({1, 0, false});
  EXPECT_EQ(session.maze().heroCol, 1);
  EXPECT_EQ(session.phase(), Phase::Walking);
  session.walkKey({0, 1, false}); // against a wall from (1, 0): forgotten for the next one
  session.walkKey({1, 0, true});
  int ticks = 0;
  finishWalk(session, {}, &ticks);
  EXPECT_EQ(ticks, 2 + 4) << "one room, then the run to the corridor's end";
  EXPECT_EQ(session.maze().heroCol, 3);
  EXPECT_EQ(session.view().heroX, 16 + 3 * 48);
  session.walkKey({1, 0, false}); // straight against the wall
  EXPECT_FALSE(session.stepTimerRuns());

  // Down to the exit: the key pressed on the way is not walked after the victory.
  session.walkKey({0, 1, true});
  session.walkKey({0, -1, false});
  finishWalk(session);
  EXPECT_EQ(session.phase(), Phase::WonWaiting);
  EXPECT_EQ(session.maze().heroRow, 2);
  session.walkKey({0, -1, false});
  EXPECT_EQ(session.maze().heroRow, 2) << "no walking after a victory";

  // A new maze forgets a remembered key.
  session = playing(sampleMaze());
  session.walkKey({1, 0, false});
  session.walkKey({1, 0, false});
  session.openMaze(sampleMaze(), testing::standardGeometry());
  EXPECT_FALSE(session.stepTimerRuns());
  EXPECT_EQ(session.maze().heroCol, 0);
}

TEST(GameSession, RestartPlaysTheSameMazeFromItsStart) {
  GameSession session = timedNextToTheExit(20);
  const Maze started = testing::madeMaze(2, 2);
  for (int i = 0; i < 5; ++i) session.clockTick();
  testing::clickRoom(session, 1, 1);
  session.walkKey({0, -1, false});
  const SessionChanges changes = session.restart();
  EXPECT_TRUE(changes.redraw);
  EXPECT_TRUE(changes.restartTimers);
  EXPECT_TRUE(changes.timeBarCleared);
  EXPECT_EQ(session.maze(), started);
  EXPECT_EQ(session.view().heroX, 16);
  EXPECT_EQ(session.timedGame().secondsLeft, 20);
  EXPECT_FALSE(session.stepTimerRuns()) << "the walk and the remembered key are dropped";
  EXPECT_TRUE(session.clockRuns());
  EXPECT_FALSE(session.savingAllowed());
  EXPECT_EQ(session.mazeCode(), "2x2:45296.17");

  // An opened maze starts from room (0, 0) too, and may be saved as a new game may.
  session.openMaze(withHeroAt(sampleMaze(), 3, 1), testing::standardGeometry());
  EXPECT_FALSE(session.savingAllowed());
  session.restart();
  EXPECT_EQ(session.maze().heroCol, 0);
  EXPECT_EQ(session.maze().heroRow, 0);
  EXPECT_TRUE(session.savingAllowed());
  EXPECT_FALSE(session.restart().timeBarCleared);
  EXPECT_EQ(session.mazeCode(), std::nullopt);
  EXPECT_FALSE(GameSession().restart().redraw) << "nothing to restart";
}

TEST(GameSession, APauseStopsTheClockTheWalkAndTheKeys) {
  GameSession session;
  session.startNewMaze({4, 4, TimeLimit{1, 0}}, " 45296.17", testing::standardGeometry());
  session.walkKey({0, 1, false});
  ASSERT_TRUE(session.stepTimerRuns());
  const std::int32_t room = session.maze().heroRow;
  EXPECT_TRUE(session.pauseAllowed());
  session.setPaused(true);
  EXPECT_TRUE(session.paused());
  EXPECT_FALSE(session.clockRuns());
  EXPECT_FALSE(session.stepTimerRuns());
  EXPECT_FALSE(session.fieldTakesClicks());
  EXPECT_FALSE(session.wayAllowed());
  const FieldView before = session.view();
  session.clockTick();
  session.stepTick({});
  session.walkKey({0, 1, true});
  EXPECT_EQ(session.timedGame().secondsLeft, 60);
  EXPECT_EQ(session.view().heroY, before.heroY);
  EXPECT_EQ(session.maze().heroRow, room);
  session.setPaused(false);
  EXPECT_TRUE(session.clockRuns());
  finishWalk(session);
  EXPECT_TRUE(session.fieldTakesClicks());
  EXPECT_EQ(session.maze().heroRow, room) << "the key pressed while paused was never taken";

  // Only a running timed game pauses.
  GameSession untimed = playing(sampleMaze());
  EXPECT_FALSE(untimed.pauseAllowed());
  untimed.setPaused(true);
  EXPECT_FALSE(untimed.paused());
}

TEST(GameSession, TheWayFollowsTheHeroAndMarksTheGameAsHelped) {
  GameSession session = playing(sampleMaze());
  EXPECT_TRUE(session.way().empty());
  EXPECT_TRUE(session.showWay(true).wayChanged);
  EXPECT_TRUE(session.helped());
  EXPECT_EQ(session.way().at(0, 0), WayMarks::toRight);
  EXPECT_EQ(session.way().at(3, 1), WayMarks::toBelow);
  session.walkKey({1, 0, false});
  EXPECT_TRUE(finishWalk(session).wayChanged);
  EXPECT_EQ(session.way().at(0, 0), 0) << "the way starts where the hero stands";
  EXPECT_EQ(session.way().at(1, 0), WayMarks::toRight);
  session.showWay(false);
  EXPECT_TRUE(session.way().empty());
  EXPECT_TRUE(session.helped()) << "once shown, the game stays helped";
  session.showWay(true);
  session.restart();
  EXPECT_TRUE(session.wayShown());
  EXPECT_EQ(session.way().at(0, 0), WayMarks::toRight);
  session.openMaze(sampleMaze(), testing::standardGeometry());
  EXPECT_FALSE(session.wayShown());
  EXPECT_FALSE(session.helped());
}

// A victory reports the play time from the maze's first showing, pauses left out, with the
// rooms walked and the shortest way's length; helped games and mazes from files report none.
TEST(GameSession, AVictoryReportsItsPlayTimeUnlessHelpedOrFromAFile) {
  testing::FakeClock clock;
  auto winTwoByTwo = [&](GameSession& session, std::optional<TimeLimit> limit, bool pause) {
    clock.steady = 100.0;
    session.startNewMaze({2, 2, limit}, " 45296.17", testing::standardGeometry());
    const auto [col, row] = testing::roomBeforeTheExit(session.maze());
    testing::clickRoom(session, col, row);
    finishWalk(session);
    if (pause) {
      clock.steady = 110.0;
      session.setPaused(true);
      clock.steady = 170.0;
      session.setPaused(false);
    }
    testing::clickRoom(session, 1, 1);
    clock.steady = 190.25; // the walk ends in the exit room
    finishWalk(session);
    EXPECT_EQ(session.phase(), Phase::WonWaiting);
    clock.steady = 500.0;
    return session.victoryTick().won;
  };

  GameSession session(clock);
  const std::optional<GameResult> timed = winTwoByTwo(session, TimeLimit{1, 0}, true);
  ASSERT_TRUE(timed);
  EXPECT_EQ(timed->size, (MazeSize{2, 2}));
  EXPECT_EQ(timed->time.milliseconds, 30250) << "100 to 190.25, less the minute paused";
  EXPECT_EQ(timed->time.roomsWalked, 2);
  EXPECT_EQ(timed->time.wayLength, 2);
  EXPECT_TRUE(timed->time.timed);
  EXPECT_EQ(timed->time.date, clock.date);

  const std::optional<GameResult> untimed = winTwoByTwo(session, std::nullopt, false);
  ASSERT_TRUE(untimed);
  EXPECT_EQ(untimed->time.milliseconds, 90250);
  EXPECT_FALSE(untimed->time.timed);

  session.startNewMaze({2, 2, std::nullopt}, " 45296.17", testing::standardGeometry());
  session.showWay(true);
  session.showWay(false);
  const auto [col, row] = testing::roomBeforeTheExit(session.maze());
  testing::clickRoom(session, col, row);
  finishWalk(session);
  testing::clickRoom(session, 1, 1);
  finishWalk(session);
  ASSERT_EQ(session.phase(), Phase::WonWaiting);
  EXPECT_FALSE(session.victoryTick().won) << "helped";

  session.openMaze(withHeroAt(sampleMaze(), 3, 1), testing::standardGeometry());
  EXPECT_TRUE(session.keptAtExit());
  testing::clickRoom(session, 3, 2);
  finishWalk(session);
  EXPECT_FALSE(session.keptAtExit()) << "won";
  EXPECT_FALSE(session.victoryTick().won) << "from a file";
}

} // namespace
} // namespace kvarnel
