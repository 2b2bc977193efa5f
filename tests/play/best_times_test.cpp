// The best times: ranking, the bounds of the table, and its file, good and bad.
#include "play/best_times.h"
#include "support/file_bytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

GameResult won(std::int32_t width, std::int32_t height, std::int64_t milliseconds, std::int32_t rooms = 10) {
  return {{width, height}, {milliseconds, rooms, 8, false, {2025, 3, 14}}};
}

TEST(BestTimes, TenPerSizeFastestFirstTheLatestSizeFirst) {
  BestTimes table;
  EXPECT_EQ(enterBestTime(table, won(4, 4, 50000)), (BestTimePlace{{4, 4}, 0}));
  EXPECT_EQ(enterBestTime(table, won(4, 4, 40000)), (BestTimePlace{{4, 4}, 0}));
  EXPECT_EQ(enterBestTime(table, won(4, 4, 50000, 9)), (BestTimePlace{{4, 4}, 1})) << "fewer rooms first";
  EXPECT_EQ(enterBestTime(table, won(4, 4, 50000, 9)), (BestTimePlace{{4, 4}, 2})) << "the earlier stays ahead";
  EXPECT_EQ(enterBestTime(table, won(20, 4, 90000)), (BestTimePlace{{20, 4}, 0}));
  ASSERT_EQ(table.sizes.size(), 2u);
  EXPECT_EQ(table.sizes[0].size, (MazeSize{20, 4}));
  EXPECT_EQ(enterBestTime(table, won(4, 4, 60000)), (BestTimePlace{{4, 4}, 4}));
  EXPECT_EQ(table.sizes[0].size, (MazeSize{4, 4})) << "the size that took a time in comes first";

  for (int i = 0; i < 5; ++i) enterBestTime(table, won(4, 4, 70000 + i));
  ASSERT_EQ(table.sizes[0].times.size(), 10u);
  const BestTimes full = table;
  EXPECT_EQ(enterBestTime(table, won(4, 4, 80000)), std::nullopt) << "not among the ten best";
  EXPECT_EQ(enterBestTime(table, won(20, 4, 99999)), (BestTimePlace{{20, 4}, 1}));
  EXPECT_EQ(table.sizes[1].times, full.sizes[0].times);
  EXPECT_EQ(enterBestTime(table, won(4, 4, 1000)), (BestTimePlace{{4, 4}, 0}));
  EXPECT_EQ(table.sizes[0].times.size(), 10u);
  EXPECT_EQ(table.sizes[0].times.back().milliseconds, 70003) << "the slowest dropped out";
  EXPECT_EQ(enterBestTime(table, won(1, 4, 1)), std::nullopt);
}

TEST(BestTimes, AHundredSizesAtMost) {
  BestTimes table;
  for (int width = 2; width < 2 + static_cast<int>(bestTimeSizes); ++width) enterBestTime(table, won(width, 2, 5000));
  ASSERT_EQ(table.sizes.size(), bestTimeSizes);
  enterBestTime(table, won(2, 2, 4000)); // the oldest size played again moves to the front
  enterBestTime(table, won(500, 2, 5000));
  EXPECT_EQ(table.sizes.size(), bestTimeSizes);
  EXPECT_EQ(table.sizes.back().size, (MazeSize{4, 2})) << "the size that took a time in longest ago went";
  EXPECT_EQ(table.sizes[1].size, (MazeSize{2, 2}));
  EXPECT_LT(composeBestTimes(table).size(), 64u * 1024u);
}

TEST(BestTimes, TheFileReadsBackAndAnythingElseIsAnEmptyTable) {
  BestTimes table;
  GameResult timed = won(181, 181, 3599999, 2000);
  timed.time.timed = true;
  timed.time.date = {1999, 12, 31};
  enterBestTime(table, timed);
  enterBestTime(table, won(4, 4, 12345));
  enterBestTime(table, won(4, 4, 12000));
  const std::string text = composeBestTimes(table);
  EXPECT_EQ(text, "kvarnel best times 1\n"
                  "4 4 12000 10 8 0 2025-03-14\n"
                  "4 4 12345 10 8 0 2025-03-14\n"
                  "181 181 3599999 2000 8 1 1999-12-31\n");
  const BestTimes back = parseBestTimes(text);
  ASSERT_EQ(back.sizes.size(), 2u);
  EXPECT_EQ(back.sizes[0].times, table.sizes[0].times);
  EXPECT_EQ(back.sizes[1].times, table.sizes[1].times);

  const std::string row = "4 4 12000 10 8 0 2025-03-14\n";
  std::string eleven = "kvarnel best times 1\n";
  for (int i = 0; i < 11; ++i) eleven += row;
  for (const std::string& bad : std::vector<std::string>{
           std::string(), std::string("kvarnel best times 2\n") + row, "kvarnel best times 1\n4 4 12000 10 8 0 2025-03-14",
        "kvarnel best times 1\n\n" + row, "kvarnel best times 1\n4 4 12000 10 8 2 2025-03-14\n",
        "kvarnel best times 1\n4 4 -1 10 8 0 2025-03-14\n", "kvarnel best times 1\n1 4 12000 10 8 0 2025-03-14\n",
        "kvarnel best times 1\n4 4 12000 10 8 0 2025-13-14\n", "kvarnel best times 1\n4 4 12000 10 8 0\n",
        "kvarnel best times 1\n4  4 12000 10 8 0 2025-03-14\n", "kvarnel best times 1\r\n" + row, eleven,
        "kvarnel best times 1\n4 4 99999999999999999999 10 8 0 2025-03-14\n", std::string(200000, 'x')})
    EXPECT_TRUE(parseBestTimes(bad).sizes.empty()) << bad.substr(0, 80);

  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/" + bestTimesFileName;
  EXPECT_TRUE(readBestTimes(path).sizes.empty()) << "missing";
  ASSERT_TRUE(writeBestTimes(path, table));
  EXPECT_EQ(testing::readBytes(path), text);
  EXPECT_EQ(readBestTimes(path).sizes.size(), 2u);
  EXPECT_FALSE(writeBestTimes(dir.path().toStdString() + "/no such folder/" + bestTimesFileName, table));
  testing::writeBytes(path, text.substr(0, text.size() - 5));
  EXPECT_TRUE(readBestTimes(path).sizes.empty()) << "cut short";
}

TEST(BestTimes, TimesAndDatesAsTheWindowShowsThem) {
  EXPECT_EQ(minutesAndSeconds(0), "0:00");
  EXPECT_EQ(minutesAndSeconds(65999), "1:05");
  EXPECT_EQ(minutesAndSeconds(3600000), "60:00");
  EXPECT_EQ(dateText({2025, 3, 4}), "04.03.2025");
}

} // namespace
} // namespace kvarnel
