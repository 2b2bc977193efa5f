// Seed text, seed digits, the digit mix and the additive generator.
#include "game/core/maze_generator.h"
#include "game/core/seed.h"

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

SeedDigits digits(std::initializer_list<int> list) {
  SeedDigits d{};
  std::size_t i = 0;
  for (int v : list) d[i++] = static_cast<std::uint8_t>(v);
  return d;
}

TEST(SeedText, WritesSinglesLikeTheGame) {
  const struct {
    float seconds;
    const char* text;
  } rows[] = {
      {45296.17f, " 45296.17"}, // 12:34:56.17
      {3600.5f, " 3600.5"},     // 01:00:00.5
      {0.0f, " 0"},
      {0.5f, " .5"},
      {0.0625f, " .0625"},
      {1.0f, " 1"},
      {86399.99f, " 86399.99"},
      {12345.678f, " 12345.68"}, // 7 significant digits
      {9.999999f, " 9.999999"},
      {0.99999994f, " .9999999"},
      {0.1f, " .1"},
      {0.000123f, " .000123"},
      {-3.0f, "-3"},
  };
  for (const auto& row : rows) EXPECT_EQ(seedTextOf(row.seconds), row.text) << row.seconds;
}

TEST(SeedDigits, FromTextRightAlignedAndPaddedWithEight) {
  EXPECT_EQ(seedDigitsOf(" 45296.17"), digits({2, 2, 3, 0, 7, 4, 6, 9}));
  EXPECT_EQ(seedDigitsOf(" 3600.5"), digits({8, 2, 1, 4, 8, 8, 6, 3}));
  EXPECT_EQ(seedDigitsOf(""), digits({8, 8, 8, 8, 8, 8, 8, 8}));
}

TEST(SeedDigits, MixGivesTheKnownDigits) {
  SeedDigits d = digits({2, 2, 3, 0, 7, 4, 6, 9});
  mixSeedDigitsOnce(d);
  EXPECT_EQ(d, digits({1, 9, 0, 0, 8, 8, 4, 0}));
  d = digits({2, 2, 3, 0, 7, 4, 6, 9});
  mixSeedDigits(d);
  EXPECT_EQ(d, digits({9, 1, 8, 0, 8, 2, 4, 5}));
}

TEST(AdditiveGenerator, FirstDrawsFromTheKnownSeed) {
  AdditiveGenerator random(digits({9, 1, 8, 0, 8, 2, 4, 5}));
  const int expected[] = {16, 22, 13, 17, 4, 28, 24, 14};
  for (int e : expected) EXPECT_EQ(random.draw(), e);
}

TEST(AdditiveGenerator, WideAndOrderDraws) {
  AdditiveGenerator random(digits({9, 1, 8, 0, 8, 2, 4, 5}));
  EXPECT_EQ(random.wideDraw(), 14107);
  EXPECT_EQ(random.wideDraw(), 14441);
  EXPECT_EQ(random.orderDraw(), 14); // 24 is thrown away
  for (int i = 0; i < 10000; ++i) {
    const int o = random.orderDraw();
    ASSERT_GE(o, 0);
    ASSERT_LT(o, 24);
    const int w = random.wideDraw();
    ASSERT_GE(w, 0);
    ASSERT_LE(w, 24388);
  }
}

} // namespace
} // namespace kvarnel
