// The maze seed: the time of day as text, its eight digits, and the digit-substitution mix.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kvarnel {

using SeedDigits = std::array<std::uint8_t, 8>;

// The time of day written as the game writes a single-precision number: a leading blank
// (or "-"), at most 7 significant digits, no zero before the point, no trailing zeros.
// 45296.17f gives " 45296.17".
std::string seedTextOf(float seconds);

// Each of the first (at most 8) characters gives its byte code mod 10; the digits are
// right-aligned and the places in front filled with 8.
SeedDigits seedDigitsOf(const std::string& seedText);

// One round of substitution through the two digit tables.
void mixSeedDigitsOnce(SeedDigits& digits);

// The full mix: eight rounds.
void mixSeedDigits(SeedDigits& digits);

} // namespace kvarnel
