// The main window's layout: scroll bars, the time bar, the title picture, tiny windows.
#include "game/view/window_layout.h"

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

TEST(ScrollBars, TheOrderOfTheTwoExcessTests) {
  auto none = setupScrollBars(208, 208, 400, 300);
  EXPECT_FALSE(none.horizontal.shown);
  EXPECT_FALSE(none.vertical.shown);
  EXPECT_FALSE(none.cornerShown);

  auto wide = setupScrollBars(500, 290, 400, 300); // dW 100, then dH -10 + 17 = 7
  EXPECT_TRUE(wide.horizontal.shown);
  EXPECT_TRUE(wide.vertical.shown);
  EXPECT_TRUE(wide.cornerShown);
  EXPECT_EQ(wide.horizontal.length, 383);
  EXPECT_EQ(wide.horizontal.maximum, 117);
  EXPECT_EQ(wide.horizontal.largeChange, 383);
  EXPECT_EQ(wide.horizontal.smallChange, 191);
  EXPECT_EQ(wide.vertical.length, 283);
  EXPECT_EQ(wide.vertical.maximum, 7);

  auto tall = setupScrollBars(390, 500, 400, 300); // dH 200 adds 17 to dW -10
  EXPECT_TRUE(tall.horizontal.shown);
  EXPECT_TRUE(tall.vertical.shown);

  auto onlyV = setupScrollBars(300, 500, 400, 300);
  EXPECT_FALSE(onlyV.horizontal.shown);
  EXPECT_TRUE(onlyV.vertical.shown);
  EXPECT_EQ(onlyV.vertical.length, 300);
  EXPECT_EQ(onlyV.vertical.maximum, 200);
  EXPECT_EQ(onlyV.vertical.largeChange, 300);
  EXPECT_EQ(onlyV.vertical.smallChange, 150);
}

TEST(ScrollBars, FieldsBeyondSixteenBitsAndTinyViewports) {
  auto huge = setupScrollBars(217800, 217800, 632, 409);
  EXPECT_EQ(huge.horizontal.maximum, 217800 - 615);
  EXPECT_EQ(huge.vertical.maximum, 217800 - 392);
  auto tiny = setupScrollBars(500, 500, 10, 5);
  EXPECT_EQ(tiny.horizontal.length, 0);
  EXPECT_EQ(tiny.vertical.length, 0);
  EXPECT_EQ(tiny.horizontal.maximum, 500);
}

TEST(LayOutWindow, TitleCentredBeforeTheFirstMaze) {
  auto wide = layOutWindow({800, 400, false, false, false, 0, 0});
  EXPECT_TRUE(wide.titleLeftSet);
  EXPECT_EQ(wide.titleLeft, 250);
  EXPECT_FALSE(wide.viewWidthSet);
  EXPECT_FALSE(wide.timeBarShown);
  auto narrow = layOutWindow({200, 400, false, false, false, 0, 0});
  EXPECT_TRUE(narrow.widenWindow);
  EXPECT_EQ(narrow.titleLeft, 0);
  EXPECT_EQ(layOutWindow({301, 400, false, false, false, 0, 0}).titleLeft, 0);
  EXPECT_EQ(layOutWindow({305, 400, false, false, false, 0, 0}).titleLeft, 2); // 2.5 -> 2
  EXPECT_EQ(layOutWindow({307, 400, false, false, false, 0, 0}).titleLeft, 4); // 3.5 -> 4
  EXPECT_TRUE(layOutWindow({632, 409, true, true, true, 1, 0}).skip);
}

TEST(LayOutWindow, TimedAndUntimedGames) {
  auto timed = layOutWindow({632, 409, false, true, true, 0, 10});
  EXPECT_TRUE(timed.timeBarShown);
  EXPECT_EQ(timed.timeBar.width, 632);
  EXPECT_EQ(timed.timeBar.height, 19);
  EXPECT_EQ(timed.viewWidth, 628);
  EXPECT_FLOAT_EQ(timed.barPerSecond, 62.8f);
  EXPECT_EQ(timed.viewport.y, 23);
  EXPECT_EQ(timed.viewport.height, 386);
  // Inside the viewport's 2-pixel frame: the same inner measure both ways.
  EXPECT_EQ(timed.viewHeight, 382);
  EXPECT_EQ(timed.verticalBarLeft, 611);
  EXPECT_EQ(timed.horizontalBarTop, 365);

  auto untimed = layOutWindow({632, 409, false, true, false, 0, 0});
  EXPECT_FALSE(untimed.timeBarShown);
  EXPECT_EQ(untimed.viewport.y, 0);
  EXPECT_EQ(untimed.viewHeight, 405);
  EXPECT_EQ(untimed.corner.x, 611);
  EXPECT_EQ(untimed.corner.y, 388);
}

TEST(LayOutWindow, TinyClientAreasClampAtZero) {
  auto tiny = layOutWindow({10, 20, false, true, true, 1, 0});
  EXPECT_EQ(tiny.viewHeight, 0);
  EXPECT_EQ(tiny.viewport.height, 0);
  EXPECT_EQ(tiny.verticalBarLeft, 0);
  EXPECT_EQ(tiny.horizontalBarTop, 0);
  EXPECT_EQ(layOutWindow({3, 10, false, true, false, 0, 0}).viewWidth, 0);
}

} // namespace
} // namespace kvarnel
