// Maze codes: read as players type them, refused when they are none, pinned to their mazes.
#include "game/core/maze_code.h"
#include "game/core/new_maze.h"
#include "game/files/maze_file_format.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

TEST(MazeCode, ReadsWhatPlayersTypeAndRefusesTheRest) {
  EXPECT_EQ(mazeCodeText(20, 4, " 45296.17"), "20x4:45296.17");
  EXPECT_EQ(mazeCodeText(4, 4, "-5"), std::nullopt) << "no leading blank";
  EXPECT_EQ(mazeCodeText(4, 4, "  5"), std::nullopt) << "would not read back";
  for (const char* typed : {"  20X4:45296.17\n", "20х4:45296.17", "20Х4: 45296.17", "20×4:45296.17", "020x04:45296.17"})
    EXPECT_EQ(parseMazeCode(typed), (MazeCode{20, 4, " 45296.17"})) << typed;
  EXPECT_EQ(parseMazeCode("16383x2:любой текст")->seedText, " любой текст");
  for (const char* typed : {"", "20x4", "20x4:", "20x4:  ", "20*4:1", "x4:1", "20x4 1", "-20x4:1", "1x4:1", "16384x2:1",
                            "182x181:1", "999999x2:1", "20x4:a\tb"})
    EXPECT_EQ(parseMazeCode(typed), std::nullopt) << typed;
  EXPECT_EQ(parseMazeCode("2x2:" + std::string(65, '7')), std::nullopt);
}

// A code names one maze for good: these files must never change.
TEST(MazeCode, CodesKeepTheirMazesAcrossVersions) {
  const std::pair<const char*, const char*> pinned[] = {
      {"20x4:45296.17", "90eefa2bba0b21d2db43e93fffcec6eff5064cdd32c7aca18ede0f058bc363c5"},
      {"2x2:0", "d577d9c6cf302ce26aa40ef418242f4ce4bceac59cb29b4d96365a948b4023fa"},
      {"181x181:86399.99", "e56cb4b7c2c6631b8b12dd3ede177418a74eced93bef29e53c6e9e8ccbbb5981"},
      {"16383x2:Кварнель", "82c10a994c79d485413a0d72c0ba066fcfc416a393a97223b383780896e082a3"},
  };
  for (const auto& [text, sha256] : pinned) {
    const std::optional<MazeCode> code = parseMazeCode(text);
    const std::optional<Maze> maze = newMaze(code->roomsAcross, code->roomsDown, code->seedText);
    const QByteArray file = QByteArray::fromStdString(composeMazeFile(maze.value()));
    EXPECT_EQ(QCryptographicHash::hash(file, QCryptographicHash::Sha256).toHex().toStdString(), sha256) << text;
  }
}

} // namespace
} // namespace kvarnel
