// The game session played through its commands: walks, the clock, victory and defeat.
#include "game/play/game_session.h"

#include "game/play/game_clock.h"
#include "game/play/play_fixture.h"
#include "support/fake_platform.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

using testing::click;
using testing::finishWalk;
using testing::mazeFrom;
using testing::sampleMaze;
using testing::playing;
using testing::withHeroAt;

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

TEST(GameSession, OtherPicturesDuringAWalkKeepTheBoxOnItsWay) {
  GameSession session = playing(sampleMaze());
  click(session, 180, 30);
  session.stepTick({});
  session.changePictures(fieldGeometryOf(24)); // cellStep 56, halfStep 28
  EXPECT_EQ(session.view().heroX, 24 + 3 * 56 - 5 * 28);
  finishWalk(session);
  EXPECT_EQ(session.view().heroX, 24 + 3 * 56);
}

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

// The keys as the window hands them in, and the walks they ask for.
TEST(WalkKeys, ArrowsAndBothLayoutsWalkShiftRunsAsFarAsAClickAtTheEdge) {
  static_assert(keys::left == Qt::Key_Left && keys::right == Qt::Key_Right && keys::up == Qt::Key_Up &&
                keys::down == Qt::Key_Down);
  const std::pair<std::uint32_t, WalkKey> table[] = {
      {Qt::Key_Left, {-1, 0}}, {Qt::Key_A, {-1, 0}}, {U'Ф', {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_D, {1, 0}},
      {U'В', {1, 0}},          {Qt::Key_Up, {0, -1}}, {Qt::Key_W, {0, -1}}, {U'Ц', {0, -1}}, {Qt::Key_Down, {0, 1}},
      {Qt::Key_S, {0, 1}},     {U'Ы', {0, 1}}};
  for (const auto& [key, walk] : table) {
    EXPECT_EQ(walkKeyOf(key, false, false), walk) << key;
    EXPECT_EQ(walkKeyOf(key, true, false), (WalkKey{walk.dx, walk.dy, true})) << key;
    EXPECT_EQ(walkKeyOf(key, false, true), std::nullopt) << key << " with Ctrl";
  }
  for (std::uint32_t other : {std::uint32_t{Qt::Key_P}, std::uint32_t{Qt::Key_F5}, std::uint32_t{U'З'}})
    EXPECT_EQ(walkKeyOf(other, false, false), std::nullopt) << other;

  const Maze maze = sampleMaze();
  const FieldView view = testing::viewAt(maze);
  const double farRight = static_cast<double>(fieldRectOf(maze, view.geometry).width - view.geometry.wallSize);
  EXPECT_EQ(walkForKey(maze, {1, 0, true})->rooms, walkForClick(maze, view, {farRight, 30})->rooms);
  EXPECT_EQ(walkForKey(maze, {0, 1, true})->rooms, 2);
  EXPECT_EQ(walkForKey(maze, {-1, 0, true}), std::nullopt);
}

TEST(GameSession, RestartPauseAndTheWayInATimedGame) {
  GameSession session = timedNextToTheExit(20);
  for (int i = 0; i < 5; ++i) session.clockTick();
  session.showWay(true);
  testing::clickRoom(session, 1, 1);
  session.walkKey({0, -1, false});
  const SessionChanges restarted = session.restart();
  EXPECT_TRUE(restarted.redraw && restarted.newGame);
  EXPECT_EQ(session.maze(), testing::madeMaze(2, 2)) << "hero back in room (0, 0)";
  EXPECT_EQ(session.timedGame().secondsLeft, 20);
  EXPECT_FALSE(session.stepTimerRuns()) << "the walk and the remembered key are dropped";
  EXPECT_FALSE(session.savingAllowed());
  EXPECT_EQ(session.mazeCode(), "2x2:45296.17");
  EXPECT_TRUE(session.helped() && session.wayShown()) << "the way stays, and so does the help";
  EXPECT_NE(session.way().at(0, 0), 0);

  const auto [col, row] = testing::roomBeforeTheExit(session.maze());
  session.walkKey({col, row, false});
  session.setPaused(true);
  EXPECT_FALSE(session.clockRuns() || session.stepTimerRuns() || session.fieldTakesClicks() || session.wayAllowed());
  session.stepTick({});
  session.walkKey({1, 0, true});
  EXPECT_EQ(session.view().heroX, 16) << "no step, no key while paused";
  EXPECT_FALSE(session.keptAtExit()) << "a timed game";
  session.setPaused(false);
  finishWalk(session);
  EXPECT_EQ(session.way().at(0, 0), 0) << "the way starts where the hero stands";

  session.openMaze(withHeroAt(sampleMaze(), 3, 1), testing::standardGeometry());
  EXPECT_FALSE(session.pauseAllowed() || session.wayShown() || session.helped());
  EXPECT_EQ(session.mazeCode(), std::nullopt);
  session.restart();
  EXPECT_EQ(session.maze().heroCol + session.maze().heroRow, 0);
  EXPECT_TRUE(session.savingAllowed()) << "as for an untimed new game";
}

// A victory reports the play time from the maze's first showing, pauses left out, with the
// rooms walked and the shortest way's length; helped games and mazes from files report none.
TEST(GameSession, AVictoryReportsItsPlayTimeUnlessHelpedOrFromAFile) {
  testing::FakeClock clock;
  GameSession session(clock);
  auto win = [&](std::optional<TimeLimit> limit, bool helped) {
    clock.steady = 100.0;
    session.startNewMaze({2, 2, limit}, " 45296.17", testing::standardGeometry());
    session.showWay(helped);
    session.showWay(false);
    const auto [col, row] = testing::roomBeforeTheExit(session.maze());
    testing::clickRoom(session, col, row);
    finishWalk(session);
    clock.steady = 110.0;
    session.setPaused(true);
    clock.steady = 170.0;
    session.setPaused(false);
    testing::clickRoom(session, 1, 1);
    session.walkKey({-1, 0, false}); // not walked after the victory
    clock.steady = 190.25;          // the walk ends in the exit room
    finishWalk(session);
    EXPECT_TRUE(session.maze().heroAtExit());
    clock.steady = 500.0;
    return session.victoryTick().won;
  };
  const std::optional<GameResult> timed = win(TimeLimit{1, 0}, false);
  ASSERT_TRUE(timed);
  EXPECT_EQ(timed->size, (MazeSize{2, 2}));
  EXPECT_EQ(timed->time, (BestTime{30250, 2, 2, true, clock.date})) << "the minute paused left out";
  EXPECT_EQ(win(std::nullopt, false)->time.milliseconds, 90250) << "an untimed game does not pause";
  EXPECT_FALSE(win(std::nullopt, true)) << "helped";

  session.openMaze(withHeroAt(sampleMaze(), 3, 1), testing::standardGeometry());
  EXPECT_TRUE(session.keptAtExit());
  testing::clickRoom(session, 3, 2);
  finishWalk(session);
  EXPECT_FALSE(session.keptAtExit()) << "won";
  EXPECT_FALSE(session.victoryTick().won) << "from a file";
}

} // namespace
} // namespace kvarnel
