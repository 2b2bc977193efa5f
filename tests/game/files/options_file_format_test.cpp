// Options.ini: exact lines, the lenient reader, names that must survive a round trip.
#include "game/files/options_file_format.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kvarnel {
namespace {

Options sample() {
  Options o;
  o.roomsAcross = 12;
  o.roomsDown = -3;
  o.heroPicture = "Рыцарь.png";
  o.wallPicture = "";
  o.doorPicture = "дверь 2.png";
  o.timedGame = 1;
  o.limitMinutes = 0;
  o.limitSeconds = 10;
  return o;
}

bool same(const Options& a, const Options& b) {
  return a.roomsAcross == b.roomsAcross && a.roomsDown == b.roomsDown &&
         a.heroPicture == b.heroPicture && a.wallPicture == b.wallPicture &&
         a.doorPicture == b.doorPicture && a.timedGame == b.timedGame &&
         a.limitMinutes == b.limitMinutes && a.limitSeconds == b.limitSeconds;
}

TEST(OptionsFile, ExactLines) {
  EXPECT_EQ(composeOptionsFile(sample()),
            " 12 \r\n-3 \r\nРыцарь.png\r\n\r\nдверь 2.png\r\n 1 \r\n 0 \r\n 10 \r\n");
  EXPECT_EQ(composeOptionsFile(Options{}), " 4 \r\n 4 \r\n\r\n\r\n\r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST(OptionsFile, EveryNameTheGameWritesReadsBackUnchanged) {
  for (const std::string name : {"a,b.png", " blank.png", "  two.png", "\"quoted.png", "mid\"dle.png",
                                 "trailing .png", "x,y,z", "", "Стена, кирпич.png", "a\nb.png"}) {
    Options o = sample();
    o.heroPicture = name;
    o.doorPicture = name;
    Options back;
    parseOptionsFile(composeOptionsFile(o), back);
    EXPECT_TRUE(same(back, o)) << name;
  }
  // Names that need no quotes are written exactly as held.
  Options o = sample();
  o.heroPicture = "mid\"dle.png";
  EXPECT_NE(composeOptionsFile(o).find("\r\nmid\"dle.png\r\n"), std::string::npos);
  o.heroPicture = "a,b.png";
  EXPECT_NE(composeOptionsFile(o).find("\r\n\"a,b.png\"\r\n"), std::string::npos);
}

TEST(OptionsFile, LenientReader) {
  const struct {
    const char* why;
    std::string text;
    Options expected;
  } rows[] = {
      {"commas split items", "5,6,h.png,w.png,d.png,1,2,3\r\n", {5, 6, "h.png", "w.png", "d.png", 1, 2, 3}},
      {"short file keeps defaults", " 7 \r\n", {7, 4, "", "", "", 0, 0, 0}},
      {"text reads as 0", "abc\r\n 9 \r\n", {0, 9, "", "", "", 0, 0, 0}},
      {"leading number", " 12abc \r\n", {12, 4, "", "", "", 0, 0, 0}},
      {"huge number is 0", " 99999999999 \r\n-99999999999\r\n", {0, 0, "", "", "", 0, 0, 0}},
      {"quoted item", "\"1\"\r\n2\r\n\"a, b\" tail\r\nw\r\nd\r\n", {1, 2, "a, b", "w", "d", 0, 0, 0}},
      {"unclosed quote", " 3 \r\n 3 \r\n\"open", {3, 3, "open", "", "", 0, 0, 0}},
      {"LF only and extra lines", "3\n3\nh\nw\nd\n1\n1\n1\nmore\n", {3, 3, "h", "w", "d", 1, 1, 1}},
      {"blanks skipped", "   8 \r\n 8 \r\n   pic.png\r\n", {8, 8, "pic.png", "", "", 0, 0, 0}},
      {"empty", "", {}},
  };
  for (const auto& row : rows) {
    Options o;
    parseOptionsFile(row.text, o);
    EXPECT_TRUE(same(o, row.expected)) << row.why;
  }
}

TEST(OptionsFile, FilesFailSilentlyAndLongLinesDoNotHang) {
  const auto dir = std::filesystem::temp_directory_path() / ("kvarnel-options-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "Options.ini").string();

  Options o;
  readOptionsFile((dir / "missing.ini").string(), o);
  EXPECT_TRUE(same(o, Options{}));
  writeOptionsFile((dir / "no-folder" / "Options.ini").string(), sample()); // silently nothing

  writeOptionsFile(file, sample());
  readOptionsFile(file, o);
  EXPECT_TRUE(same(o, sample()));

  std::ofstream(file, std::ios::binary) << std::string(10u << 20, '7') << "\r\n 5 \r\n";
  Options big;
  readOptionsFile(file, big);
  EXPECT_EQ(big.roomsAcross, 0); // too long for 32 bits
  std::filesystem::remove_all(dir);
}

} // namespace
} // namespace kvarnel
