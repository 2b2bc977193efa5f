// Maze codes: printed and read back, refused when they are no code, and pinned to their mazes.
#include "core/maze_code.h"
#include "core/new_maze.h"
#include "files/maze_file_format.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

TEST(MazeCode, PrintsSizeAndSeedTextAndReadsBackWhatPlayersType) {
  EXPECT_EQ(mazeCodeText(20, 4, " 45296.17"), "20x4:45296.17");
  EXPECT_EQ(mazeCodeText(181, 181, " 0"), "181x181:0");
  EXPECT_EQ(mazeCodeText(4, 4, "-5"), std::nullopt) << "no leading blank";
  EXPECT_EQ(mazeCodeText(4, 4, "  5"), std::nullopt) << "would not read back";
  EXPECT_EQ(mazeCodeText(1, 4, " 5"), std::nullopt) << "too small";

  const MazeCode code{20, 4, " 45296.17"};
  for (const char* typed : {"20x4:45296.17", "  20X4:45296.17\n", "20х4:45296.17", "20Х4: 45296.17", "20×4:45296.17",
                            "020x04:45296.17"})
    EXPECT_EQ(parseMazeCode(typed), code) << typed;
  EXPECT_EQ(parseMazeCode("16383x2:любой текст")->seedText, " любой текст");
  EXPECT_EQ(parseMazeCode("181x181:" + std::string(64, '7'))->width, 181);
}

TEST(MazeCode, RefusesWhatIsNoCode) {
  for (const char* typed : {"", "20x4", "20x4:", "20x4:   ", "20*4:1", "x4:1", "20x:1", "20x4 1", "-20x4:1", "20x4x5:1",
                            "1x4:1", "20x1:1", "16384x2:1", "182x181:1", "999999x2:1", "20x4:a\tb", "20x4:\x7f"})
    EXPECT_EQ(parseMazeCode(typed), std::nullopt) << typed;
  EXPECT_EQ(parseMazeCode("181x181:" + std::string(65, '7')), std::nullopt);
}

// A code names one maze for good: these files must never change.
TEST(MazeCode, CodesKeepTheirMazesAcrossVersions) {
  const struct {
    const char* code;
    const char* sha256;
  } pinned[] = {
      {"20x4:45296.17", "90eefa2bba0b21d2db43e93fffcec6eff5064cdd32c7aca18ede0f058bc363c5"},
      {"2x2:0", "d577d9c6cf302ce26aa40ef418242f4ce4bceac59cb29b4d96365a948b4023fa"},
      {"181x181:86399.99", "e56cb4b7c2c6631b8b12dd3ede177418a74eced93bef29e53c6e9e8ccbbb5981"},
      {"16383x2:Кварнель", "82c10a994c79d485413a0d72c0ba066fcfc416a393a97223b383780896e082a3"},
  };
  for (const auto& p : pinned) {
    const std::optional<MazeCode> code = parseMazeCode(p.code);
    ASSERT_TRUE(code) << p.code;
    const std::optional<Maze> maze = newMaze(code->width, code->height, code->seedText);
    ASSERT_TRUE(maze) << p.code;
    const std::string file = composeMazeFile(*maze);
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(file), QCryptographicHash::Sha256);
    EXPECT_EQ(hash.toHex().toStdString(), p.sha256) << p.code;
  }
}

} // namespace
} // namespace kvarnel
