// Fuzz target: the seed text, its digits and mix, and a new maze made from the text.
#include "game/core/maze_checks.h"
#include "game/core/new_maze.h"
#include "game/core/seed.h"
#include "game/core/size_limits.h"
#include "game/files/maze_file_format.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace kvarnel::fuzz {
namespace {

void checkDigits(const std::string& text) {
  const SeedDigits digits = seedDigitsOf(text);
  const std::size_t used = std::min<std::size_t>(text.size(), 8);
  for (std::size_t k = 0; k < 8; ++k) {
    const std::size_t from = k + used; // the text's character at k - (8 - used)
    const int expected =
        from < 8 ? 8 : static_cast<unsigned char>(text[from - 8]) % 10;
    check(digits[k] == expected, "seed digits are the first eight codes mod 10, right-aligned");
  }
  SeedDigits mixed = digits;
  mixSeedDigits(mixed);
  check(std::all_of(mixed.begin(), mixed.end(), [](std::uint8_t d) { return d <= 9; }),
        "mixed seed digits stay digits");
}

// The time of day as text: a blank or minus, digits with at most one point, no trailing zeros
// after a point, no zero before it; near the value to 7 significant digits.
void checkSeedText(float seconds) {
  const std::string text = seedTextOf(seconds);
  check(text.size() >= 2 && (text[0] == ' ' || text[0] == '-'), "seed text starts with a sign");
  const std::string body = text.substr(1);
  check(std::count(body.begin(), body.end(), '.') <= 1 &&
            std::all_of(body.begin(), body.end(),
                        [](char c) { return c == '.' || (c >= '0' && c <= '9'); }),
        "seed text is digits and at most one point");
  if (body.find('.') != std::string::npos) {
    check(body.back() != '0' && body.back() != '.', "seed text has no trailing zeros");
    check(body.size() < 2 || body[0] != '0', "seed text has no zero before the point");
  }
  checkDigits(text);

  const double value = seconds;
  if (!std::isfinite(value) || value == 0.0) return;
  // Beyond ten million the text holds every digit of the whole part; the clock never goes there.
  const double magnitude = std::fabs(value);
  if (magnitude >= 1e7) return;
  std::string significant;
  std::copy_if(body.begin(), body.end(), std::back_inserter(significant),
               [](char c) { return c != '.'; });
  significant.erase(0, std::min(significant.find_first_not_of('0'), significant.size()));
  while (!significant.empty() && significant.back() == '0') significant.pop_back();
  check(significant.size() <= 7, "seed text has at most 7 significant digits");
  const double back = std::strtod(body.c_str(), nullptr);
  const double unit = std::pow(10.0, std::floor(std::log10(magnitude)) - 6);
  // A float exactly halfway between two texts (8.9140625) may go either way; the slack covers
  // the rounding of the check's own arithmetic.
  const double slack = 8 * std::numeric_limits<double>::epsilon() * magnitude;
  check(std::fabs(back - magnitude) <= 0.5 * unit + slack || text == " 0",
        "seed text is the value to 7 significant digits");
}

void checkNewMaze(std::int32_t width, std::int32_t height, const std::string& text) {
  const std::optional<Maze> maze = newMaze(width, height, text);
  if (!mazeSizeFits(width, height)) {
    check(!maze, "a size that cannot be made is not made");
    return;
  }
  check(maze.has_value(), "a size that fits is made");
  check(maze->heroCol == 0 && maze->heroRow == 0, "the hero starts in the top-left room");
  check(testing::finishedMazeFault(*maze).empty(), "a new maze is a finished perfect maze");
  Maze opened;
  check(parseMazeFile(composeMazeFile(*maze), opened) == MazeFileResult::Ok && opened == *maze,
        "a new maze saved and opened again is the same maze");
  // Only the first eight characters seed the maze.
  if (text.size() > 8)
    check(newMaze(width, height, text.substr(0, 8)) == maze,
          "the seed text past eight characters does not change the maze");
}

} // namespace
} // namespace kvarnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kvarnel::fuzz;
  FuzzedDataProvider in(data, size);
  // Mostly small mazes; now and then any 32-bit size, to try the refusal.
  const bool anySize = in.ConsumeIntegral<std::uint8_t>() >= 240;
  std::int32_t width = 0;
  std::int32_t height = 0;
  if (anySize) {
    width = in.ConsumeIntegral<std::int32_t>();
    height = in.ConsumeIntegral<std::int32_t>();
  } else {
    width = in.ConsumeIntegralInRange<std::int32_t>(2, 40);
    height = in.ConsumeIntegralInRange<std::int32_t>(2, 40);
  }
  const float seconds = std::bit_cast<float>(in.ConsumeIntegral<std::uint32_t>());
  const std::string text = in.ConsumeRemainingBytesAsString();

  checkSeedText(seconds);
  checkDigits(text);
  checkNewMaze(width, height, text);
  return 0;
}
