// The game session played through its commands: walks, the clock and its pauses, restart,
// victory and defeat.
#include "game/play/game_session.h"

#include "support/fake_platform.h"
#include "support/play_fixture.h"

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

using testing::click;
using testing::clickRoom;
using testing::finishWalk;
using testing::passSeconds;
using testing::playing;
using testing::sampleMaze;
using testing::withHeroAt;

// A 2 x 2 maze, timed when a limit is given, with the hero walked next to the exit.
GameSession nextToTheExit(std::optional<TimeLimit> limit, Clock* clock = nullptr) {
  GameSession session = clock != nullptr ? GameSession(*clock) : GameSession();
  session.startNewMaze({2, 2, limit}, " 45296.17", testing::standardGeometry());
  clickRoom(session, testing::roomBeforeTheExit(session.maze()));
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
  EXPECT_FALSE(session.stepTick({}).scrollTo) << "the view scrolls only when the walk ends";
  EXPECT_EQ(session.view().heroX, 16 + 24);

  int ticks = 0;
  EXPECT_TRUE(finishWalk(session, {}, &ticks).scrollTo);
  EXPECT_EQ(ticks, 5);
  EXPECT_EQ(session.view().heroX, 160);
  EXPECT_TRUE(session.fieldTakesClicks());
  session.stepTick({});
  EXPECT_EQ(session.view().heroX, 160) << "no walk, no step";
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

TEST(GameSession, AVictoryInTheLastSecondStopsTheClock) {
  GameSession session = nextToTheExit(TimeLimit{0, 1});
  EXPECT_TRUE(session.clockRuns());
  passSeconds(session, 1); // the last second goes; a victory still comes first
  clickRoom(session, {1, 1});
  finishWalk(session);
  EXPECT_EQ(session.phase(), Phase::WonWaiting);
  EXPECT_FALSE(session.clockRuns());
  EXPECT_FALSE(passSeconds(session, 1).end);
  EXPECT_EQ(session.victoryTick().end, GameEnd::Victory);
}

// Saving is for untimed new games until they are won; opening a file and restarting leave it
// as it was.
TEST(GameSession, OnlyANewGameAndAVictoryChangeSaving) {
  GameSession session;
  session.openMaze(sampleMaze(), testing::standardGeometry());
  session.restart();
  EXPECT_FALSE(session.savingAllowed()) << "opened at start-up and restarted";
  session.startNewMaze({2, 2, std::nullopt}, " 1", testing::standardGeometry());
  EXPECT_TRUE(session.savingAllowed());
  session.openMaze(withHeroAt(sampleMaze(), 3, 1), testing::standardGeometry());
  EXPECT_TRUE(session.savingAllowed()) << "opening leaves it as it was";
  click(session, 170, 120);
  finishWalk(session);
  EXPECT_FALSE(session.savingAllowed()) << "won";
  session.restart();
  EXPECT_FALSE(session.savingAllowed()) << "a restart after a victory";
  session.startNewMaze({2, 2, TimeLimit{1, 0}}, " 1", testing::standardGeometry());
  EXPECT_FALSE(session.savingAllowed());
}

// A pause keeps what the clock had of its second: pausing often gains nothing, however often.
TEST(GameSession, APauseKeepsWhatIsLeftOfTheSecond) {
  GameSession session = nextToTheExit(TimeLimit{0, 5});
  passSeconds(session, 2);
  EXPECT_EQ(session.timedGame().secondsLeft, 3);
  session.setPaused(true, 400);
  EXPECT_FALSE(session.clockRuns());
  passSeconds(session, 3);
  EXPECT_EQ(session.timedGame().secondsLeft, 3) << "no second counts while paused";
  session.setPaused(false);
  EXPECT_EQ(session.clockInterval(), 600);
  session.setPaused(true, 550);
  session.setPaused(false);
  EXPECT_EQ(session.clockInterval(), 50) << "a second pause in the same second";
  session.clockTick(50);
  EXPECT_EQ(session.timedGame().secondsLeft, 2);
  EXPECT_EQ(session.clockInterval(), 1000);
  session.setPaused(true, 5000);
  session.setPaused(false);
  EXPECT_EQ(session.clockInterval(), 1) << "a pause never ends a second";
  EXPECT_EQ(session.timedGame().secondsLeft, 2);
  session.clockTick(1);
  EXPECT_EQ(passSeconds(session, 2).end, GameEnd::TimeUp) << "one second after the last";
}

TEST(GameSession, RestartAndTheWayInATimedGame) {
  GameSession session = nextToTheExit(TimeLimit{0, 20});
  passSeconds(session, 5);
  session.clockTick(300);
  session.showWay(true);
  clickRoom(session, {1, 1});
  session.walkKey({0, -1, false});
  session.restart();
  EXPECT_EQ(session.maze(), testing::madeMaze(2, 2)) << "hero back in room (0, 0)";
  EXPECT_EQ(session.timedGame().secondsLeft, 20);
  EXPECT_EQ(session.clockInterval(), 1000) << "a whole second";
  EXPECT_FALSE(session.timedGame().started());
  EXPECT_FALSE(session.stepTimerRuns()) << "the walk and the remembered key are dropped";
  EXPECT_EQ(session.mazeCode(), "2x2:45296.17");
  EXPECT_TRUE(session.helped() && session.wayShown()) << "the way stays, and so does the help";
  EXPECT_NE(session.way().at(0, 0), 0);

  const Room next = testing::roomBeforeTheExit(session.maze());
  session.walkKey({next.col, next.row, false}); // that room lies this way from room (0, 0)
  session.setPaused(true);
  EXPECT_FALSE(session.clockRuns() || session.stepTimerRuns() || session.fieldTakesClicks() || session.wayAllowed());
  session.stepTick({});
  session.walkKey({1, 0, true});
  EXPECT_EQ(session.view().heroX + session.view().heroY, 2 * 16) << "no step, no key while paused";
  EXPECT_FALSE(session.keptAtExit()) << "a timed game";
  session.setPaused(false);
  finishWalk(session);
  EXPECT_EQ(session.way().at(0, 0), 0) << "the way starts where the hero stands";

  session.openMaze(withHeroAt(sampleMaze(), 3, 1), testing::standardGeometry());
  EXPECT_FALSE(session.pauseAllowed() || session.wayShown() || session.helped());
  EXPECT_EQ(session.mazeCode(), std::nullopt);
  session.restart();
  EXPECT_EQ(session.maze().heroCol + session.maze().heroRow, 0);
}

// A victory reports the play time from the maze's first showing, every pause left out, with the
// rooms walked and the shortest way's length; helped games and mazes from files report none.
TEST(GameSession, AVictoryReportsItsPlayTimeUnlessHelpedOrFromAFile) {
  testing::FakeClock clock;
  auto win = [&](std::optional<TimeLimit> limit, bool helped, bool wayOnPaper = false) {
    clock.steady = 100.0;
    GameSession session = nextToTheExit(limit, &clock);
    session.showWay(helped);
    session.showWay(false);
    if (wayOnPaper) session.wayOnPaper();
    for (double pausedAt : {110.0, 200.0}) { // two pauses of a minute each
      clock.steady = pausedAt;
      session.setPaused(true);
      clock.steady = pausedAt + 60.0;
      session.setPaused(false);
    }
    clickRoom(session, {1, 1});
    session.walkKey({-1, 0, false}); // not walked after the victory
    clock.steady = 310.25;           // the walk ends in the exit room
    finishWalk(session);
    EXPECT_TRUE(session.maze().heroAtExit());
    clock.steady = 500.0;
    return session.victoryTick().victory;
  };
  const std::optional<GameResult> timed = win(TimeLimit{5, 0}, false);
  ASSERT_TRUE(timed);
  EXPECT_EQ(timed->size, (MazeSize{2, 2}));
  EXPECT_EQ(timed->time, (BestTime{90250, 2, 2, true, clock.date})) << "both minutes paused left out";
  EXPECT_EQ(win(std::nullopt, false)->time.milliseconds, 210250) << "an untimed game does not pause";
  EXPECT_FALSE(win(std::nullopt, true)) << "helped";
  EXPECT_FALSE(win(TimeLimit{5, 0}, false, true)) << "the way printed or exported";

  GameSession session(clock);
  session.openMaze(withHeroAt(sampleMaze(), 3, 1), testing::standardGeometry());
  EXPECT_TRUE(session.keptAtExit());
  clickRoom(session, {3, 2});
  finishWalk(session);
  EXPECT_FALSE(session.keptAtExit()) << "won";
  EXPECT_FALSE(session.victoryTick().victory) << "from a file";
}

} // namespace
} // namespace kvarnel
