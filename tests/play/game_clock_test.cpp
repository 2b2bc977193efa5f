// The game clock, the victory timer, and how they meet a walk: each game ends once.
#include "play/game_clock.h"

#include "play/hero_walk.h"
#include "play/play_fixture.h"

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

// 2 x 1 rooms, one corridor; the exit is room (1, 0).
GameState timedCorridor(int seconds, int viewWidth) {
  GameState state;
  state.maze = testing::mazeFrom({"#####", "#...#", "#####"});
  state.settings.timedGame = 1;
  state.settings.limitSeconds = seconds;
  state.settings.secondsLeft = seconds;
  state.settings.viewWidth = viewWidth;
  state.settings.barPerSecond = static_cast<float>(viewWidth) / static_cast<float>(seconds);
  return state;
}

TEST(GameClock, TenSecondLimitFillsTheBarThenEndsTheGame) {
  GameState state = timedCorridor(10, 400);
  PlaySession play;
  beginPlay(play, state.maze);
  for (int second = 1; second <= 10; ++second) {
    const ClockTick tick = clockTick(play, state.settings);
    ASSERT_EQ(tick.outcome, ClockOutcome::Ticked) << second;
    EXPECT_EQ(tick.redExtent, 40 * second) << second;
  }
  EXPECT_EQ(state.settings.secondsLeft, 0); // all red: f = viewWidth at 10 s
  const ClockTick end = clockTick(play, state.settings);
  EXPECT_EQ(end.outcome, ClockOutcome::TimeUp);
  EXPECT_EQ(state.settings.dialogArg, 1);
  EXPECT_EQ(play.state, PlayState::TimeUp);
  EXPECT_FALSE(fieldTakesClicks(play));
  EXPECT_EQ(clockTick(play, state.settings).outcome, ClockOutcome::NotRunning);
  EXPECT_EQ(victoryTick(play, state.settings), VictoryOutcome::NotWaiting);
}

// barPerSecond is single precision (296 / 48 = 6.16666651...); the product with the seconds is
// exact in double, 55.500..., so nine seconds left round up to 241. A product rounded to float
// first would be 55.5 exactly and round to the even 240.
TEST(GameClock, BarProductIsTakenInDouble) {
  GameState state = timedCorridor(48, 296);
  state.settings.secondsLeft = 10;
  PlaySession play;
  beginPlay(play, state.maze);
  EXPECT_EQ(clockTick(play, state.settings).redExtent, 241);
}

TEST(GameClock, UntimedGameOrNoMazeStopsTheClock) {
  GameState state = timedCorridor(10, 400);
  PlaySession play;
  EXPECT_EQ(clockTick(play, state.settings).outcome, ClockOutcome::NotRunning);
  beginPlay(play, state.maze);
  state.settings.timedGame = 0; // a maze file was opened
  EXPECT_EQ(clockTick(play, state.settings).outcome, ClockOutcome::NotRunning);
  EXPECT_EQ(state.settings.secondsLeft, 10);
}

TEST(GameClock, VictoryShowsTheEndWindowOnceAndStopsTheClock) {
  GameState state = timedCorridor(10, 400);
  state.settings.secondsLeft = 0; // the last second: a victory still comes first
  PlaySession play;
  beginPlay(play, state.maze);
  ASSERT_EQ(testing::click(play, state.maze, 80, 30), ReleaseOutcome::WalkStarted);
  StepOutcome step = StepOutcome::Moved;
  while (step == StepOutcome::Moved) step = stepTick(play, state, {}).outcome;
  EXPECT_EQ(step, StepOutcome::Won);
  EXPECT_EQ(clockTick(play, state.settings).outcome, ClockOutcome::NotRunning);
  EXPECT_EQ(victoryTick(play, state.settings), VictoryOutcome::ShowEnd);
  EXPECT_EQ(state.settings.dialogArg, 0);
  EXPECT_EQ(play.state, PlayState::Won);
  EXPECT_EQ(victoryTick(play, state.settings), VictoryOutcome::NotWaiting);
  EXPECT_EQ(clockTick(play, state.settings).outcome, ClockOutcome::NotRunning);
  EXPECT_FALSE(fieldTakesClicks(play));
}

// The time runs out while the hero walks into the exit room: the walk completes, the field
// stays locked, and no victory follows the lost game.
TEST(GameClock, WalkOutlivingTheTimeEndsWithoutVictory) {
  GameState state = timedCorridor(10, 400);
  state.settings.secondsLeft = 0;
  PlaySession play;
  beginPlay(play, state.maze);
  ASSERT_EQ(testing::click(play, state.maze, 80, 30), ReleaseOutcome::WalkStarted);
  EXPECT_EQ(stepTick(play, state, {}).outcome, StepOutcome::Moved);
  EXPECT_EQ(clockTick(play, state.settings).outcome, ClockOutcome::TimeUp);
  EXPECT_EQ(stepTick(play, state, {}).outcome, StepOutcome::WalkEndedTimeUp);
  EXPECT_EQ(state.maze.heroX, 64); // the walk went all the way
  EXPECT_EQ(play.state, PlayState::TimeUp);
  EXPECT_FALSE(fieldTakesClicks(play));
  EXPECT_EQ(testing::click(play, state.maze, 16, 30), ReleaseOutcome::Ignored);
  EXPECT_EQ(stepTick(play, state, {}).outcome, StepOutcome::NotWalking);
  EXPECT_EQ(victoryTick(play, state.settings), VictoryOutcome::NotWaiting);
  EXPECT_EQ(state.settings.dialogArg, 1);
}

TEST(GameClock, NextMazeLeavesTheEndedGame) {
  GameState state = timedCorridor(10, 400);
  state.settings.secondsLeft = 0;
  PlaySession play;
  beginPlay(play, state.maze);
  ASSERT_EQ(clockTick(play, state.settings).outcome, ClockOutcome::TimeUp);
  state.settings.secondsLeft = 10;
  beginPlay(play, state.maze);
  EXPECT_TRUE(fieldTakesClicks(play));
  EXPECT_EQ(clockTick(play, state.settings).outcome, ClockOutcome::Ticked);
}

} // namespace
} // namespace kvarnel
