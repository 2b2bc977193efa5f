// The best times: the ten fastest victories of each maze size, kept in a small text file in the
// player's data folder.
#pragma once

#include "game/core/atomic_file.h"
#include "game/core/clock.h"
#include "game/core/maze.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarnel {

// One victory as the best times keep it.
struct BestTime {
  std::int64_t milliseconds = 0; // from the first shown frame to the victory, pauses left out
  std::int32_t roomsWalked = 0;
  std::int32_t wayLength = 0; // rooms on the shortest way from the start to the door
  bool timed = false;
  CalendarDate date;
  bool operator==(const BestTime&) const = default;
};

// A victory that may enter the best times.
struct GameResult {
  MazeSize size;
  BestTime time;
};

struct SizeBestTimes {
  MazeSize size;
  std::vector<BestTime> times; // fastest first
};

// Each size's best, the size that last took in a time first.
struct BestTimes {
  std::vector<SizeBestTimes> sizes;
};

inline constexpr std::size_t bestTimesPerSize = 10;
// The sizes kept: a new one beyond these drops the size that took in a time longest ago.
inline constexpr std::size_t bestTimeSizes = 100;

// Where a victory stands in the best times.
struct BestTimePlace {
  MazeSize size;
  std::size_t place = 0; // 0 is the fastest
  bool operator==(const BestTimePlace&) const = default;
};

// Enters the victory when it is among the ten best of its size: faster first, fewer rooms walked
// first at the same time, the earlier victory first when both are equal. Nothing, and no change,
// when it is not.
std::optional<BestTimePlace> enterBestTime(BestTimes& table, const GameResult& result);

// What a best-times text gives: every row that reads, and whether the text held anything more
// (a line that is no row, a header this game does not know, rows beyond the table's bounds).
// A flawed file is never written over: it may hold what a newer game or the player put there.
struct ReadBestTimes {
  BestTimes table;
  bool flawed = false;
};

// The file's text, and back. Lines end in "\n" or "\r\n"; the last may have no end. A size's
// rows beyond its ten fastest, and sizes beyond the hundredth, are dropped as flaws.
std::string composeBestTimes(const BestTimes& table);
ReadBestTimes parseBestTimes(std::string_view text);

// A missing file is an empty table; one that cannot be read, or is longer than any table, is
// flawed. The write replaces the file only when it is complete and reports whether it was.
ReadBestTimes readBestTimes(const std::string& path);
bool writeBestTimes(const std::string& path, const BestTimes& table, TargetKind kind = TargetKind::OwnFile);

// "m:ss", minutes not bounded, seconds cut to whole ones.
std::string minutesAndSeconds(std::int64_t milliseconds);
// "dd.mm.yyyy".
std::string dateText(CalendarDate date);

} // namespace kvarnel
