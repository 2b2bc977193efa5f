// The end window's text, letters, drops and letter places.
#include "game/play/end_message.h"

#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <numeric>

namespace kvarnel {
namespace {

TEST(EndMessage, TextAndColourFollowTheEnd) {
  const EndWindowText lost = endWindowText(GameEnd::TimeUp);
  EXPECT_EQ(lost.endMessage, "ВЫ НЕ УСПЕЛИ!!!");
  EXPECT_EQ(lost.messageColor, 0x0000FF);
  EXPECT_EQ(lettersOf(lost.endMessage).size(), 15u);
  const EndWindowText won = endWindowText(GameEnd::Victory);
  EXPECT_EQ(won.endMessage, "СВОБОДА!!!");
  EXPECT_EQ(won.messageColor, 0x00FF00);
  const auto letters = lettersOf(won.endMessage);
  ASSERT_EQ(letters.size(), 10u);
  EXPECT_EQ(letters[0], "С");
  EXPECT_EQ(letters[9], "!");
}

TEST(EndMessage, BrokenBytesCountAsLettersAndNothingIsLost) {
  for (const std::string text : {"a\xFF\xD0\xB1", "\xD0", "\xE2\x82", "\xF0\x9F\x98\x80z"}) {
    const auto letters = lettersOf(text);
    EXPECT_EQ(std::accumulate(letters.begin(), letters.end(), std::string{}), text);
  }
  EXPECT_EQ(lettersOf("a\xFF\xD0\xB1").size(), 3u);
  EXPECT_EQ(lettersOf("\xE2\x82").size(), 2u);
  EXPECT_EQ(lettersOf("\xF0\x9F\x98\x80z").size(), 2u);
}

TEST(EndMessage, DropsAreZeroTenOrTwenty) {
  testing::FakeClock clock;
  clock.randoms = {0.0, 0.333, 0.334, 0.666, 0.667, 0.9999};
  EXPECT_EQ(letterDrops(6, clock), (std::vector<std::int32_t>{0, 0, 10, 10, 20, 20}));
}

TEST(EndMessage, LettersAdvanceWithXRoundedHalfToEven) {
  const double advances[] = {10.5, 10.5, 11.25, 7.5};
  const std::int32_t drops[] = {0, 10, 20, 0};
  const LetterLayout layout = layOutLetters(advances, drops);
  ASSERT_EQ(layout.colour.size(), 4u);
  ASSERT_EQ(layout.shadow.size(), 4u);
  const std::int32_t colourX[] = {0, 10, 20, 31};  // 10.5 -> 10, 20.5 -> 20, 31.25 -> 31
  const std::int32_t shadowX[] = {4, 14, 24, 35};  // 14.5 -> 14, 24.5 -> 24, 35.25 -> 35
  for (std::size_t j = 0; j < 4; ++j) {
    EXPECT_EQ(layout.colour[j].x, colourX[j]) << j;
    EXPECT_EQ(layout.colour[j].y, drops[j]) << j;
    EXPECT_EQ(layout.shadow[j].x, shadowX[j]) << j;
    EXPECT_EQ(layout.shadow[j].y, drops[j] + 4) << j;
  }
}

} // namespace
} // namespace kvarnel
