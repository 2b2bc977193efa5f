// The best times and their file.
#include "game/play/best_times.h"

#include "game/core/atomic_file.h"
#include "game/core/bounded_read.h"
#include "game/core/size_limits.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

namespace kvarnel {
namespace {

constexpr std::string_view header = "kvarnel best times 1";
// Ten days: longer than anyone plays one maze, short enough for any arithmetic.
constexpr std::int64_t longestTime = 10LL * 24 * 3600 * 1000;
// A full table is about 55 kilobytes; anything longer is no such file.
constexpr std::size_t readLimit = 128 * 1024;

bool faster(const BestTime& a, const BestTime& b) {
  if (a.milliseconds != b.milliseconds) return a.milliseconds < b.milliseconds;
  return a.roomsWalked < b.roomsWalked;
}

template <class T> bool number(std::string_view field, T& value, T lowest, T highest) {
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc{} && end == field.data() + field.size() && value >= lowest && value <= highest;
}

// "yyyy-mm-dd".
bool dateOf(std::string_view field, CalendarDate& date) {
  return field.size() == 10 && field[4] == '-' && field[7] == '-' && number(field.substr(0, 4), date.year, 1, 9999) &&
         number(field.substr(5, 2), date.month, 1, 12) && number(field.substr(8, 2), date.day, 1, 31);
}

// "W H milliseconds rooms way timed yyyy-mm-dd".
std::optional<GameResult> rowOf(std::string_view line) {
  std::vector<std::string_view> fields;
  while (!line.empty()) {
    const std::size_t blank = line.find(' ');
    fields.push_back(line.substr(0, blank));
    if (blank == std::string_view::npos) break;
    line.remove_prefix(blank + 1);
  }
  if (fields.size() != 7) return std::nullopt;
  GameResult row;
  std::int32_t timed = 0;
  const bool read = number(fields[0], row.size.roomsAcross, 0, 99999) && number(fields[1], row.size.roomsDown, 0, 99999) &&
                    number(fields[2], row.time.milliseconds, std::int64_t{0}, longestTime) &&
                    number(fields[3], row.time.roomsWalked, 0, INT32_MAX) &&
                    number(fields[4], row.time.wayLength, 0, INT32_MAX) && number(fields[5], timed, 0, 1) &&
                    dateOf(fields[6], row.time.date);
  if (!read || !mazeSizeFits(row.size.roomsAcross, row.size.roomsDown)) return std::nullopt;
  row.time.timed = timed == 1;
  return row;
}

SizeBestTimes* sizeIn(BestTimes& table, MazeSize size) {
  for (SizeBestTimes& s : table.sizes) {
    if (s.size == size) return &s;
  }
  return nullptr;
}

} // namespace

std::optional<BestTimePlace> enterBestTime(BestTimes& table, const GameResult& result) {
  if (!mazeSizeFits(result.size.roomsAcross, result.size.roomsDown)) return std::nullopt;
  const auto found = std::find_if(table.sizes.begin(), table.sizes.end(),
                                  [&](const SizeBestTimes& s) { return s.size == result.size; });
  std::vector<BestTime> times = found != table.sizes.end() ? found->times : std::vector<BestTime>{};
  const auto at = std::upper_bound(times.begin(), times.end(), result.time, faster);
  const auto place = static_cast<std::size_t>(at - times.begin());
  if (place >= bestTimesPerSize) return std::nullopt;
  times.insert(at, result.time);
  if (times.size() > bestTimesPerSize) times.resize(bestTimesPerSize);
  // The size that took in a time moves to the front.
  if (found != table.sizes.end()) table.sizes.erase(found);
  table.sizes.insert(table.sizes.begin(), SizeBestTimes{result.size, std::move(times)});
  if (table.sizes.size() > bestTimeSizes) table.sizes.pop_back();
  return BestTimePlace{result.size, place};
}

std::string composeBestTimes(const BestTimes& table) {
  std::string text(header);
  text += '\n';
  for (const SizeBestTimes& s : table.sizes) {
    for (const BestTime& t : s.times) {
      char line[96];
      std::snprintf(line, sizeof line, "%d %d %lld %d %d %d %04d-%02d-%02d\n", s.size.roomsAcross, s.size.roomsDown,
                    static_cast<long long>(t.milliseconds), t.roomsWalked, t.wayLength, t.timed ? 1 : 0,
                    t.date.year, t.date.month, t.date.day);
      text += line;
    }
  }
  return text;
}

ReadBestTimes parseBestTimes(std::string_view text) {
  ReadBestTimes read;
  BestTimes& table = read.table;
  if (text.size() >= readLimit) {
    read.flawed = true;
    text = text.substr(0, readLimit);
  }
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    // A missing or unknown header is a flaw, yet the rows under it are the player's times.
    if (std::exchange(first, false)) {
      if (line == header) continue;
      read.flawed = true;
    }
    const std::optional<GameResult> row = rowOf(line);
    if (!row) {
      read.flawed = true;
      continue;
    }
    SizeBestTimes* size = sizeIn(table, row->size);
    if (size == nullptr) {
      if (table.sizes.size() == bestTimeSizes) {
        read.flawed = true;
        continue;
      }
      size = &table.sizes.emplace_back(SizeBestTimes{row->size, {}});
    }
    size->times.push_back(row->time);
  }
  if (first) return read; // an empty file: a table not yet written
  for (SizeBestTimes& s : table.sizes) {
    std::stable_sort(s.times.begin(), s.times.end(), faster);
    if (s.times.size() > bestTimesPerSize) {
      s.times.resize(bestTimesPerSize);
      read.flawed = true;
    }
  }
  return read;
}

ReadBestTimes readBestTimes(const std::string& path) {
  const BoundedRead read = readFileBounded(path, readLimit);
  if (read.result == BoundedReadResult::Missing) return {};
  if (read.result != BoundedReadResult::Ok) return {{}, true};
  return parseBestTimes(read.bytes);
}

bool writeBestTimes(const std::string& path, const BestTimes& table, TargetKind kind) {
  return writeFileAtomically(path, composeBestTimes(table), kind) == AtomicWriteResult::Ok;
}

std::string minutesAndSeconds(std::int64_t milliseconds) {
  const std::int64_t seconds = std::max<std::int64_t>(milliseconds, 0) / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  return text;
}

std::string dateText(CalendarDate date) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
  return text;
}

} // namespace kvarnel
