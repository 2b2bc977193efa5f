// The time bar's red extent.
#include "front/field/time_bar.h"

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

TEST(TimeBar, TheBarProductIsTakenInDouble) { EXPECT_EQ(timeBarRedExtent(296, 296.0f / 48.0f, 9), 241); }

} // namespace
} // namespace kvarnel
