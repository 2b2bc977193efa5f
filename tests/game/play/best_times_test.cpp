// The best times: ranking within their bounds, and their file, good and bad.
#include "game/play/best_times.h"
#include "game/files/game_folders.h"
#include "support/file_bytes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

GameResult won(std::int32_t width, std::int32_t height, std::int64_t milliseconds, std::int32_t rooms = 10) {
  return {{width, height}, {milliseconds, rooms, 8, false, {2025, 3, 14}}};
}

TEST(BestTimes, TenPerSizeFastestFirstAtMostAHundredSizes) {
  BestTimes table;
  for (std::int64_t ms : {50000, 40000, 70000, 71000, 72000, 73000, 74000, 75000, 76000}) enterBestTime(table, won(4, 4, ms));
  EXPECT_EQ(enterBestTime(table, won(4, 4, 50000, 9)), (BestTimePlace{{4, 4}, 1})) << "fewer rooms first";
  EXPECT_EQ(enterBestTime(table, won(4, 4, 50000, 9)), (BestTimePlace{{4, 4}, 2})) << "the earlier stays ahead";
  EXPECT_EQ(enterBestTime(table, won(4, 4, 80000)), std::nullopt) << "not among the ten best";
  EXPECT_EQ(table.sizes[0].times.back().milliseconds, 75000) << "the slowest dropped out";
  EXPECT_EQ(enterBestTime(table, won(1, 4, 1)), std::nullopt);

  for (int width = 2; width < 2 + static_cast<int>(bestTimeSizes); ++width) enterBestTime(table, won(width, 2, 5000));
  ASSERT_EQ(table.sizes.size(), bestTimeSizes);
  EXPECT_EQ(table.sizes.back().size, (MazeSize{2, 2})) << "4 x 4 took a time in longest ago and went";
  enterBestTime(table, won(2, 2, 4000)); // a faster time: the size moves to the front
  enterBestTime(table, won(500, 2, 5000));
  EXPECT_EQ(table.sizes.back().size, (MazeSize{4, 2}));
  EXPECT_LT(composeBestTimes(table).size(), 64u * 1024u);
}

TEST(BestTimes, TheFileReadsBackAndEveryGoodRowOfAFlawedOneIsKept) {
  BestTimes table;
  GameResult timed = won(181, 181, 3599999, 2000);
  timed.time.timed = true;
  enterBestTime(table, timed);
  enterBestTime(table, won(4, 4, 12000));
  const std::string text = composeBestTimes(table);
  EXPECT_EQ(text, "kvarnel best times 1\n4 4 12000 10 8 0 2025-03-14\n181 181 3599999 2000 8 1 2025-03-14\n");
  EXPECT_EQ(parseBestTimes(text).table.sizes[1].times, table.sizes[1].times);
  EXPECT_FALSE(parseBestTimes(text).flawed);
  EXPECT_EQ(minutesAndSeconds(3599999), "59:59");
  EXPECT_EQ(dateText({2025, 3, 4}), "04.03.2025");

  // Windows line ends and a last row without its end are readable (the window's test plays them);
  // anything else is a flaw, yet the good row beside it is kept.
  const std::string head = "kvarnel best times 1\n", row = "4 4 12000 10 8 0 2025-03-14\n";
  std::string eleven = head;
  for (int i = 0; i < 11; ++i) eleven += row;
  for (const std::string& bad : std::vector<std::string>{
           "kvarnel best times 2\n" + row, row, head + "\n" + row, head + row + "4 4 12000 10 8 2 2025-03-14\n",
           head + row + "4 4 -1 10 8 0 2025-03-14\n", head + row + "1 4 12000 10 8 0 2025-03-14\n",
           head + row + "4 4 12000 10 8 0 2025-13-14\n", head + row + "4  4 12000 10 8 0 2025-03-14\n", eleven,
           head + row + std::string(200000, 'x')}) {
    const ReadBestTimes read = parseBestTimes(bad);
    EXPECT_TRUE(read.flawed) << bad.substr(0, 60);
    ASSERT_EQ(read.table.sizes.size(), 1u) << bad.substr(0, 60);
    EXPECT_EQ(read.table.sizes[0].times.size(), bad == eleven ? 10u : 1u) << bad.substr(0, 60);
  }
  EXPECT_FALSE(parseBestTimes("").flawed);

  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/" + bestTimesFileName;
  EXPECT_TRUE(readBestTimes(path).table.sizes.empty() && !readBestTimes(path).flawed) << "missing";
  ASSERT_TRUE(writeBestTimes(path, table));
  EXPECT_EQ(testing::readBytes(path), text);
  EXPECT_FALSE(writeBestTimes(dir.path().toStdString() + "/none/" + bestTimesFileName, table));
  EXPECT_TRUE(readBestTimes(dir.path().toStdString()).flawed) << "a folder of that name";
}

} // namespace
} // namespace kvarnel
