// The 24 direction orders.
#include "game/core/direction_orders.h"

#include <gtest/gtest.h>

#include <set>

namespace kvarnel {
namespace {

constexpr Step left{-1, 0}, down{0, 1}, right{1, 0}, up{0, -1};

bool same(Step a, Step b) { return a.dx == b.dx && a.dy == b.dy; }

TEST(DirectionOrders, NamedOrdersMatchTheTable) {
  const Step order0[] = {left, down, right, up};
  const Step order1[] = {left, down, up, right};
  const Step order14[] = {right, down, left, up};
  const Step order23[] = {up, right, down, left};
  for (int k = 0; k < 4; ++k) {
    EXPECT_TRUE(same(dirOrder[0][k], order0[k])) << k;
    EXPECT_TRUE(same(dirOrder[1][k], order1[k])) << k;
    EXPECT_TRUE(same(dirOrder[14][k], order14[k])) << k;
    EXPECT_TRUE(same(dirOrder[23][k], order23[k])) << k;
  }
}

TEST(DirectionOrders, AllTwentyFourAreDistinctPermutations) {
  std::set<std::vector<int>> seen;
  for (const auto& order : dirOrder) {
    std::vector<int> key;
    std::set<std::pair<int, int>> steps;
    for (Step s : order) {
      steps.insert({s.dx, s.dy});
      key.push_back(s.dx * 3 + s.dy);
    }
    EXPECT_EQ(steps.size(), 4u);
    seen.insert(key);
  }
  EXPECT_EQ(seen.size(), 24u);
}

} // namespace
} // namespace kvarnel
