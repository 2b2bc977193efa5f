// The maze seed: seed text, seed digits and their mix.
#include "game/core/seed.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kvarnel {
namespace {

using DigitTable = std::array<std::uint8_t, 100>;

constexpr DigitTable digitTable1{
    4, 1, 2, 8, 8, 9, 9, 6, 5, 7, 2, 1, 2, 9, 8, 8, 6, 3, 5, 1, 9, 5, 4, 4, 9, 8, 6, 0, 8, 0,
    6, 0, 2, 4, 1, 9, 2, 0, 7, 4, 7, 3, 0, 0, 2, 6, 8, 9, 4, 0, 8, 3, 2, 3, 2, 5, 2, 4, 6, 9,
    7, 9, 1, 3, 5, 7, 1, 1, 4, 5, 8, 1, 6, 0, 5, 7, 8, 2, 3, 3, 7, 3, 5, 1, 7, 5, 4, 0, 3, 6,
    3, 7, 7, 1, 9, 4, 0, 5, 6, 6};

constexpr DigitTable digitTable2{
    1, 2, 2, 1, 5, 5, 4, 6, 4, 6, 4, 4, 5, 6, 6, 3, 0, 9, 6, 5, 7, 2, 0, 9, 3, 4, 2, 3, 9, 1,
    9, 9, 9, 3, 8, 9, 3, 4, 1, 5, 0, 5, 2, 7, 0, 8, 8, 0, 4, 5, 0, 3, 6, 8, 1, 7, 8, 8, 7, 1,
    3, 2, 7, 7, 1, 8, 0, 3, 7, 5, 2, 6, 4, 0, 9, 9, 7, 7, 4, 6, 2, 0, 0, 1, 7, 3, 6, 6, 1, 1,
    2, 4, 5, 9, 8, 2, 8, 8, 3, 5};

constexpr int significantDigits = 7;

} // namespace

std::string seedTextOf(float seconds) {
  const double value = seconds; // exact: every float is a double
  if (!std::isfinite(value)) return " 0";
  const double magnitude = std::fabs(value);
  std::string text;
  if (magnitude != 0.0) {
    // Round the float's exact value to 7 significant digits, then trim.
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int decimals = std::max(0, significantDigits - 1 - exponent);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
    text = buffer;
    if (text.find('.') != std::string::npos) {
      while (text.back() == '0') text.pop_back();
      if (text.back() == '.') text.pop_back();
    }
    if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  }
  if (text.empty() || text == "0") return " 0";
  return (value < 0 ? "-" : " ") + text;
}

SeedDigits seedDigitsOf(const std::string& seedText) {
  SeedDigits digits;
  digits.fill(8);
  const std::size_t n = std::min<std::size_t>(seedText.size(), digits.size());
  const std::size_t first = digits.size() - n;
  for (std::size_t i = 0; i < n; ++i)
    digits[first + i] = static_cast<std::uint8_t>(static_cast<unsigned char>(seedText[i]) % 10);
  return digits;
}

void mixSeedDigitsOnce(SeedDigits& d) {
  const int i0 = 10 * d[1] + d[0];
  const int i1 = 10 * d[3] + d[2];
  const int i2 = 10 * d[5] + d[4];
  const int i3 = 10 * d[7] + d[6];
  d = {digitTable2[i1], digitTable1[i2], digitTable2[i2], digitTable2[i0],
       digitTable1[i1], digitTable2[i3], digitTable1[i0], digitTable1[i3]};
}

void mixSeedDigits(SeedDigits& d) {
  for (int round = 0; round < 8; ++round) mixSeedDigitsOnce(d);
}

} // namespace kvarnel
