// Fuzz target: the best-times reader, over bytes and over a file on disk.
#include "game/core/size_limits.h"
#include "game/play/best_times.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace kvarnel::fuzz {
namespace {

bool fastestFirst(const std::vector<BestTime>& times) {
  return std::is_sorted(times.begin(), times.end(), [](const BestTime& a, const BestTime& b) {
    return a.milliseconds != b.milliseconds ? a.milliseconds < b.milliseconds : a.roomsWalked < b.roomsWalked;
  });
}

void checkTable(const BestTimes& table) {
  check(table.sizes.size() <= bestTimeSizes, "at most a hundred sizes");
  for (const SizeBestTimes& s : table.sizes) {
    check(mazeSizeFits(s.size.roomsAcross, s.size.roomsDown), "every size is one the game makes");
    check(!s.times.empty() && s.times.size() <= bestTimesPerSize, "one to ten times a size");
    check(fastestFirst(s.times), "a size's times fastest first");
    check(std::count_if(table.sizes.begin(), table.sizes.end(),
                        [&](const SizeBestTimes& other) { return other.size == s.size; }) == 1,
          "each size once");
  }
}

std::size_t rowsOf(const BestTimes& table) {
  std::size_t rows = 0;
  for (const SizeBestTimes& s : table.sizes) rows += s.times.size();
  return rows;
}

} // namespace

// One input: its properties, the victory entered into it, then the same bytes read as a file.
void fuzzBestTimes(std::string_view bytes) {
  static const ScratchFile scratch("best-times");

  const ReadBestTimes read = parseBestTimes(bytes);
  checkTable(read.table);
  // Every line of the text is a row kept, or the text is flawed: nothing is lost unnoticed.
  const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
                     (bytes.empty() || bytes.back() == '\n' ? 0 : 1);
  check(read.flawed || lines == 0 || rowsOf(read.table) + 1 == lines, "an unflawed text keeps every row");

  // The writer writes what was read so that it reads back the same and unflawed.
  const std::string text = composeBestTimes(read.table);
  const ReadBestTimes again = parseBestTimes(text);
  check(!again.flawed, "a written table is not flawed");
  check(composeBestTimes(again.table) == text, "a written table reads back the same");

  // A victory entered keeps the table's bounds, and the table still writes and reads back.
  BestTimes entered = read.table;
  const GameResult won{{4, 4}, {1000, 5, 5, false, {2026, 1, 2}}};
  if (const auto place = enterBestTime(entered, won)) {
    checkTable(entered);
    check(entered.sizes.front().size == won.size && entered.sizes.front().times[place->place] == won.time,
          "an entered time stands where it was placed");
  }
  check(!parseBestTimes(composeBestTimes(entered)).flawed, "a table with a victory writes unflawed");

  // The file reader gives what the bytes give, up to the length it reads.
  if (bytes.size() >= (std::size_t{1} << 17)) return;
  scratch.put(bytes);
  const ReadBestTimes fromFile = readBestTimes(scratch.path());
  check(fromFile.flawed == read.flawed && composeBestTimes(fromFile.table) == text, "the file reads as its bytes parse");
}

} // namespace kvarnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvarnel::fuzz::fuzzBestTimes(kvarnel::fuzz::bytesOf(data, size));
  return 0;
}
