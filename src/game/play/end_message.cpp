// The end window's message, letters, drops and letter places.
#include "game/play/end_message.h"

#include "game/core/rounding.h"
#include "game/core/colours.h"
#include "game/core/player_text.h"

#include <algorithm>
#include <cmath>

namespace kvarnel {
namespace {

bool continuesCharacter(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The leading byte says how many bytes its character has; a wrong count is taken as one.
std::size_t characterLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

std::vector<LetterSpot> pass(std::span<const double> advances, std::span<const std::int32_t> drops,
                             std::int32_t startX, std::int32_t lowering) {
  std::vector<LetterSpot> spots;
  spots.reserve(advances.size());
  double x = startX;
  for (std::size_t j = 0; j < advances.size(); ++j) {
    const std::int32_t drop = j < drops.size() ? drops[j] : 0;
    spots.push_back({static_cast<std::int32_t>(x), drop + lowering});
    x = roundHalfEven(x + advances[j]);
  }
  return spots;
}

} // namespace

EndWindowText endWindowText(GameEnd end) {
  if (end == GameEnd::TimeUp) return {playerText(KVARNEL_TEXT("Game", "ВЫ НЕ УСПЕЛИ!!!")), colourRed};
  return {playerText(KVARNEL_TEXT("Game", "СВОБОДА!!!")), colourGreen};
}

std::vector<std::string> lettersOf(std::string_view text) {
  std::vector<std::string> letters;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t length = characterLength(static_cast<unsigned char>(text[at]));
    if (at + length > text.size()) length = 1;
    for (std::size_t k = 1; k < length; ++k) {
      if (!continuesCharacter(static_cast<unsigned char>(text[at + k]))) {
        length = 1;
        break;
      }
    }
    letters.emplace_back(text.substr(at, length));
    at += length;
  }
  return letters;
}

std::vector<std::int32_t> letterDrops(std::size_t letterCount, Clock& clock) {
  std::vector<std::int32_t> drops;
  drops.reserve(letterCount);
  for (std::size_t j = 0; j < letterCount; ++j) {
    // A clock that strays outside [0, 1) still gives one of the three drops.
    double steps = std::floor(clock.random() * 3.0);
    if (!(steps >= 0.0)) steps = 0.0;
    steps = std::min(steps, 2.0);
    drops.push_back(dropPitch * static_cast<std::int32_t>(steps));
  }
  return drops;
}

LetterLayout layOutLetters(std::span<const double> advances, std::span<const std::int32_t> drops) {
  return {pass(advances, drops, shadowOffset, shadowOffset), pass(advances, drops, 0, 0)};
}

} // namespace kvarnel
