// Hostile maze files opened through the main window's "Открыть": what the player is told, and
// proof that the maze in play, the current file and the file on disk are untouched.
#include "game/files/maze_file_format.h"
#include "support/file_bytes.h"
#include "support/game_fixture.h"
#include "support/resource_probe.h"
#include "front/field/field_widget.h"

#include <QAction>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;
using testing::GameFixture;
using testing::readBytes;
using testing::writeBytes;
using testing::ResourceProbe;

constexpr const char* notMazeFile = "не подходит к программе.";
constexpr const char* cannotOpen = "открыть не возможно.";


// Bytes no text editor would make: every value 0 to 255, in an order that repeats nothing soon.
std::string garbage(std::size_t size, std::uint32_t seed) {
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    seed = seed * 1664525u + 1013904223u;
    c = static_cast<char>(seed >> 24);
  }
  return bytes;
}

// Where the grid line of the game's 5 x 4 maze file begins: after its bounds 10 and 8.
std::size_t gridStartOf(const std::string& file) {
  const std::string bounds = "\r\n 10\r\n 8\r\n";
  const std::size_t at = file.find(bounds);
  EXPECT_NE(at, std::string::npos);
  return at + bounds.size();
}

std::string header(const char* numbers) { return std::string("[labirint]\r\n") + numbers; }

// What the player sees of the maze in play and of the current file.
struct InPlay {
  std::vector<std::uint8_t> grid;
  std::int32_t width, height, gridMaxX, gridMaxY, heroCol, heroRow;
  QPoint heroBox;
  QString caption;
  std::string mazeFilePath;
  bool timed;
  bool operator==(const InPlay&) const = default;
};

class HostileMazeFiles : public GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    setPictures(32, 16, 32);
    newMaze(5, 4);
    window->playOpenedMaze(testing::withHeroAt(maze(), 3, 2), "");
    // The maze in play is the current file, saved by the game itself.
    fileDialogs.saveAnswers.push_back(appFolder + "current.lbr");
    menuItem("MenuSaveAs")->trigger();
    ASSERT_TRUE(messages.shown.empty());
    saved = readBytes(appFolder + "current.lbr");
    ASSERT_FALSE(saved.empty());
  }

  InPlay inPlay() const {
    const Maze& m = maze();
    return {m.mazeGrid,
            m.roomsAcross,
            m.roomsDown,
            m.gridMaxX,
            m.gridMaxY,
            m.heroCol,
            m.heroRow,
            control("picGeroy")->pos(),
            window->windowTitle(),
            window->files().mazeFilePath,
            session().timedGame().limit.has_value()};
  }

  // "Открыть", with the open dialog answering path.
  void open(const std::string& path) {
    fileDialogs.openAnswers.push_back(path);
    menuItem("MenuOpen")->trigger();
  }

  std::string saved; // the current file as the game wrote it
};

TEST_F(HostileMazeFiles, RefusedFilesLeaveTheMazeInPlayAndTheFileAlone) {
  const std::size_t gridStart = gridStartOf(saved);
  const std::string twoByTwoGrid = "\r\n" + std::string(25, '1') + "\r\n";
  const struct {
    const char* why;
    std::string bytes;
    const char* ending;
  } rows[] = {
      {"empty", "", notMazeFile},
      {"binary garbage", garbage(4096, 1), notMazeFile},
      {"binary garbage after the header", "[labirint]\r\n" + garbage(4096, 2), notMazeFile},
      {"a NUL inside the header", std::string("[labi\0rint]\r\n", 13) + saved.substr(12), notMazeFile},
      {"a byte order mark before the header", "\xEF\xBB\xBF" + saved, notMazeFile},
      {"a width past 32 bits", header(" 2147483648\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"a width of twenty digits", header(" 99999999999999999999\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4") + twoByTwoGrid,
       notMazeFile},
      {"the largest 32-bit sizes and bounds",
       header(" 2147483647\r\n 2147483647\r\n 0\r\n 0\r\n 2147483647\r\n 2147483647") + twoByTwoGrid, notMazeFile},
      {"bounds that wrap 16 bits to the right ones", header(" 2\r\n 2\r\n 0\r\n 0\r\n 65540\r\n 65540") + twoByTwoGrid,
       notMazeFile},
      {"the smallest 32-bit sizes",
       header("-2147483648\r\n-2147483648\r\n 0\r\n 0\r\n-2147483648\r\n-2147483648") + twoByTwoGrid, notMazeFile},
      {"negative sizes with negative bounds", header("-2\r\n-2\r\n 0\r\n 0\r\n-4\r\n-4") + twoByTwoGrid, notMazeFile},
      {"zero sizes", header(" 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0") + twoByTwoGrid, notMazeFile},
      {"a negative hero column", header(" 2\r\n 2\r\n-1\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"the hero one room below the maze", header(" 2\r\n 2\r\n 0\r\n 2\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"the hero far outside", header(" 2\r\n 2\r\n 2147483647\r\n 2147483647\r\n 4\r\n 4") + twoByTwoGrid,
       notMazeFile},
      {"bounds one past the sizes", header(" 2\r\n 2\r\n 0\r\n 0\r\n 5\r\n 5") + twoByTwoGrid, notMazeFile},
      {"bounds smaller than the sizes", header(" 5\r\n 4\r\n 0\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"bounds swapped", header(" 5\r\n 4\r\n 0\r\n 0\r\n 8\r\n 10") + twoByTwoGrid, notMazeFile},
      {"more rooms than a maze may have", header(" 16383\r\n 16383\r\n 0\r\n 0\r\n 32766\r\n 32766") + twoByTwoGrid,
       notMazeFile},
      {"a plus sign", header(" +2\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"the header in other letter case", "[Labirint]\r\n 2\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4" + twoByTwoGrid, notMazeFile},
      {"the header without its brackets", "labirint\r\n 2\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4" + twoByTwoGrid, notMazeFile},
      {"a word for a number", header(" 2\r\n two\r\n 0\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"a number with letters after it", header(" 2\r\n 2x\r\n 0\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"an empty number line", header("\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"two numbers on a line", header(" 2 2\r\n 2\r\n 0\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"a side of one room", header(" 1\r\n 2\r\n 0\r\n 0\r\n 2\r\n 4") + twoByTwoGrid, notMazeFile},
      {"a side too long", header(" 16384\r\n 2\r\n 0\r\n 0\r\n 32768\r\n 4") + twoByTwoGrid, notMazeFile},
      {"the lower bound not twice the rooms down", header(" 2\r\n 2\r\n 0\r\n 0\r\n 4\r\n 3") + twoByTwoGrid,
       notMazeFile},
      {"the hero right of the maze", header(" 2\r\n 2\r\n 2\r\n 0\r\n 4\r\n 4") + twoByTwoGrid, notMazeFile},
      {"CR-only line ends", "[labirint]\r 2\r 2\r 0\r 0\r 4\r 4\r" + std::string(25, '1') + "\r", notMazeFile},
      {"truncated inside the header", saved.substr(0, 5), notMazeFile},
      {"truncated after the header", saved.substr(0, 12), notMazeFile},
      {"truncated inside the numbers", saved.substr(0, 20), notMazeFile},
      {"truncated inside the last number line", saved.substr(0, gridStart - 4), notMazeFile},
      {"truncated after the last number line", saved.substr(0, gridStart), notMazeFile},
      {"truncated inside the grid line", saved.substr(0, gridStart + (saved.size() - gridStart) / 2), notMazeFile},
      {"a grid line one cell short", saved.substr(0, saved.size() - 3) + "\r\n", notMazeFile},
  };
  const InPlay before = inPlay();
  const std::string path = appFolder + "hostile.lbr";
  for (const auto& row : rows) {
    messages.shown.clear();
    writeBytes(path, row.bytes);
    open(path);
    ASSERT_EQ(messages.shown.size(), 1u) << row.why;
    EXPECT_EQ(messages.shown[0].text, "Файл \"" + path + "\" " + row.ending) << row.why;
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop) << row.why;
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok) << row.why;
    EXPECT_TRUE(inPlay() == before) << row.why;
    EXPECT_EQ(readBytes(path), row.bytes) << row.why;
  }
  EXPECT_EQ(readBytes(appFolder + "current.lbr"), saved);
}

TEST_F(HostileMazeFiles, AFolderInPlaceOfTheFileCannotBeOpened) {
  const InPlay before = inPlay();
  fs::create_directory(appFolder + "folder.lbr");
  writeBytes(appFolder + "folder.lbr/inside", saved);
  open(appFolder + "folder.lbr");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Файл \"" + appFolder + "folder.lbr\" " + cannotOpen);
  EXPECT_TRUE(inPlay() == before);
  EXPECT_TRUE(fs::is_directory(appFolder + "folder.lbr"));
  EXPECT_EQ(readBytes(appFolder + "folder.lbr/inside"), saved);
}

// Lines of 50 MB: the reader takes at most its first mebibyte, so neither the time nor the
// memory of opening one grows with the file.
TEST_F(HostileMazeFiles, FiftyMegabyteLinesAreRefusedAfterTheFirstMebibyte) {
  const struct {
    const char* why;
    std::string head;
    char fill;
  } rows[] = {
      {"a grid line for 5000 x 5000 rooms", header(" 5000\r\n 5000\r\n 0\r\n 0\r\n 10000\r\n 10000\r\n"), '1'},
      {"a first line without an end", "", 'x'},
  };
  const InPlay before = inPlay();
  const std::string path = appFolder + "huge.lbr";
  const std::string chunk(1 << 20, 'x');
  for (const auto& row : rows) {
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out << row.head;
      const std::string fill(chunk.size(), row.fill);
      for (int i = 0; i < 50; ++i) out << fill;
      out << "\r\n";
    }
    const auto size = fs::file_size(path);
    messages.shown.clear();
    ResourceProbe probe;
    const bool measured = probe.start();
    open(path);
    const std::optional<std::int64_t> read = probe.bytesRead();
    const std::optional<std::int64_t> memory = probe.peakMemoryGrowth();

    ASSERT_EQ(messages.shown.size(), 1u) << row.why;
    EXPECT_EQ(messages.shown[0].text, "Файл \"" + path + "\" " + notMazeFile) << row.why;
    EXPECT_TRUE(inPlay() == before) << row.why;
    EXPECT_EQ(fs::file_size(path), size) << row.why;
    if (measured) {
      EXPECT_LT(*read, 2 << 20) << row.why;
      EXPECT_LT(*memory, 16 << 20) << row.why;
    }
    fs::remove(path);
  }
}

// Files the reader takes although the game would not have written them so: the maze they hold
// comes into play.
TEST_F(HostileMazeFiles, OddButReadableFilesOpenAsTheReaderTakesThem) {
  Maze written;
  ASSERT_EQ(parseMazeFile(saved, written), MazeFileResult::Ok);
  const std::size_t gridStart = gridStartOf(saved);
  auto lfOnly = [](std::string text) {
    std::string out;
    for (char c : text)
      if (c != '\r') out += c;
    return out;
  };
  const struct {
    const char* why;
    std::string bytes;
  } rows[] = {
      {"line feeds without carriage returns", lfOnly(saved)},
      {"mixed line ends and lines after the eighth",
       lfOnly(saved.substr(0, gridStart)) + saved.substr(gridStart) + "more\r\n" + garbage(100, 3)},
      {"no line end after the grid", saved.substr(0, saved.size() - 2)},
  };
  // A way out of the hero's room (3, 2) in the game's maze: a perfect maze has one.
  QPoint way;
  for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
    if (written.cell(7 + d.x(), 5 + d.y()) != cellWall) way = d;
  ASSERT_FALSE(way.isNull());
  const std::string path = appFolder + "odd.lbr";
  for (const auto& row : rows) {
    messages.shown.clear();
    writeBytes(path, row.bytes);
    open(path);
    EXPECT_TRUE(messages.shown.empty()) << row.why;
    const Maze& m = maze();
    const FieldGeometry& g = session().view().geometry;
    EXPECT_EQ(m.roomsAcross, 5) << row.why;
    EXPECT_EQ(m.roomsDown, 4) << row.why;
    EXPECT_EQ(m.heroCol, 3) << row.why;
    EXPECT_EQ(m.heroRow, 2) << row.why;
    EXPECT_EQ(m.mazeGrid, written.mazeGrid) << row.why;
    EXPECT_EQ(window->files().mazeFilePath, path) << row.why;
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Кварнель - [odd.lbr]")) << row.why;
    EXPECT_EQ(readBytes(path), row.bytes) << row.why;

    // The hero stands in his room, and a click in the neighbouring room that the maze opens
    // to walks him there.
    const auto restAt = [&](int col, int down) {
      return QPoint(g.wallSize + col * g.cellStep, g.wallSize + down * g.cellStep);
    };
    EXPECT_EQ(control("picGeroy")->pos(), restAt(3, 2)) << row.why;
    const QPoint target = restAt(3 + way.x(), 2 + way.y()) + QPoint(g.heroSize / 2, g.heroSize / 2);
    QTest::mousePress(control("picPole"), Qt::LeftButton, {}, target);
    QTest::mouseRelease(control("picPole"), Qt::LeftButton, {}, target);
    auto* step = control<QTimer>("tmrStep");
    for (int tick = 0; tick < 100 && step->isActive(); ++tick) testing::fire(*step);
    const QPoint room = QPoint(3, 2) + way;
    EXPECT_EQ(QPoint(m.heroCol, m.heroRow), room) << row.why;
    EXPECT_EQ(control("picGeroy")->pos(), restAt(room.x(), room.y())) << row.why;
    window->playOpenedMaze(written, ""); // back in room (3, 2)
  }
}

} // namespace
} // namespace kvarnel
