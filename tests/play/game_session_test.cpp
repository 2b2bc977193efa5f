// The game session played through its commands: walks, the clock, victory and defeat.
#include "play/game_session.h"

#include "core/rounding.h"
#include "play/game_clock.h"
#include "play/play_fixture.h"

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
  EXPECT_TRUE(changes.newGame);
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

} // namespace
} // namespace kvarnel
