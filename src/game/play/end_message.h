// The end window's message: its text and colour, its letters, their random drops and places.
#pragma once

#include "game/core/clock.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvarnel {

struct EndWindowText {
  std::string endMessage;        // UTF-8
  std::int32_t messageColor = 0; // 0xBBGGRR
};

// How a game ended.
enum class GameEnd { Victory, TimeUp };

// The words in the interface's language.
EndWindowText endWindowText(GameEnd end);

// The letters of a UTF-8 text, one string per character (letterCount is their number). A byte
// that cannot start a character counts as a letter of its own, so nothing is lost.
std::vector<std::string> lettersOf(std::string_view text);

inline constexpr std::int32_t dropPitch = 10;   // each letter drops 0, 10 or 20 pixels
inline constexpr std::int32_t shadowOffset = 4; // the black shadow is this far right and below

// Fresh drops for one tick of the end window: 10 x floor(u x 3) per letter, u from the clock.
std::vector<std::int32_t> letterDrops(std::size_t letterCount, Clock& clock);

struct LetterSpot {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct LetterLayout {
  std::vector<LetterSpot> shadow; // painted first, in black
  std::vector<LetterSpot> colour; // painted over it in messageColor
};

// Where each letter is printed, from the letters' advance widths in the message's font. Each
// pass starts at its own x (shadow 4, colour 0) and rounds x half to even after every letter;
// the shadow is lowered by 4 more. `drops` holds one value per letter.
LetterLayout layOutLetters(std::span<const double> advances, std::span<const std::int32_t> drops);

} // namespace kvarnel
