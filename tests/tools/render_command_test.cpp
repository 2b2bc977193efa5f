// kvarnel-maze render: pictures on the places the grid gives, default pictures, refusals.
#include "game/files/maze_file_format.h"
#include "tool_run.h"
#include "game/view/field_geometry.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;

constexpr QRgb red = 0xffff0000, yellow = 0xffffff00, blue = 0xff0000ff, green = 0xff00ff00,
               magenta = 0xffff00ff, white = 0xffffffff;

QImage solid(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// A program folder of its own: pictures are put into its three folders by each test.
class Render : public MazeToolExecutable {
protected:
  void SetUp() override {
    MazeToolExecutable::SetUp();
    for (const char* folder : {"Герои", "Стенки", "Двери"}) fs::create_directories(dir / folder);
  }
  void put(const char* folder, const char* name, const QImage& image) const {
    ASSERT_TRUE(image.save(QString::fromStdString((dir / folder / name).string()), "PNG"));
  }
  // A hero whose top-left 32 pixels are red and the rest yellow, a 16-pixel blue wall, a green
  // door; named to come first in their folders.
  void putStandardPictures() const {
    QImage hero = solid(48, 48, yellow);
    QPainter(&hero).fillRect(0, 0, 32, 32, QColor(red));
    put("Герои", "a.png", hero);
    put("Стенки", "a.png", solid(16, 16, blue));
    put("Двери", "a.png", solid(32, 32, green));
  }
  Maze maze(int width, int height, int heroCol = 0, int heroRow = 0) const {
    EXPECT_EQ(run({"generate", std::to_string(width), std::to_string(height), "-o", path("m.lbr")}).code, 0);
    Maze m;
    EXPECT_EQ(readMazeFile(path("m.lbr"), m), MazeFileResult::Ok);
    m.heroCol = heroCol;
    m.heroRow = heroRow;
    EXPECT_EQ(writeMazeFile(m, path("m.lbr")), MazeFileResult::Ok);
    return m;
  }
  ToolRun render(std::vector<std::string> options = {}) const {
    std::vector<std::string> args{"render", path("m.lbr"), "-o", path("out.png")};
    args.insert(args.end(), options.begin(), options.end());
    return run(args, dir.string());
  }
  QImage output() const { return QImage(QString::fromStdString(path("out.png"))).convertToFormat(QImage::Format_RGB32); }
};

TEST_F(Render, EveryPictureLandsWhereTheGridPutsIt) {
  putStandardPictures();
  const Maze m = maze(6, 4, 2, 1);
  const ToolRun done = render();
  ASSERT_EQ(done.code, 0) << done.err;
  EXPECT_EQ(done.out + done.err, "");
  const QImage image = output();
  // Rooms are the 32-pixel hero square apart from the 16-pixel wall: 48 pixels, whatever the hero picture.
  ASSERT_EQ(image.size(), QSize(6 * 48 + 16, 4 * 48 + 16));

  for (int c = 0; c <= 6; ++c) {
    for (int r = 0; r <= 4; ++r) {
      const int x = c * 48, y = r * 48;
      if (c == 0 || r == 0 || c == 6 || r == 4) {
        EXPECT_EQ(image.pixel(x + 8, y + 8), blue) << "post " << c << r;
      }
      if (r < 4) { // the wall place left of room (c, r)
        EXPECT_EQ(image.pixel(x + 8, y + 32), m.cell(2 * c, 2 * r + 1) == cellWall ? blue : white) << c << r;
      }
      if (c < 6) { // the wall place above room (c, r)
        EXPECT_EQ(image.pixel(x + 32, y + 8), m.cell(2 * c + 1, 2 * r) == cellWall ? blue : white) << c << r;
      }
      if (c < 6 && r < 4) {
        const QRgb room = c == 5 && r == 3 ? green : c == 2 && r == 1 ? red : white;
        for (const QPoint corner : {QPoint(16, 16), QPoint(47, 47), QPoint(16, 47), QPoint(47, 16)})
          EXPECT_EQ(image.pixel(x + corner.x(), y + corner.y()), room) << "room " << c << r;
      }
    }
  }
  // The hero picture shows from its top-left corner only as far as the 32-pixel box reaches.
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ASSERT_NE(image.pixel(x, y), yellow) << x << "," << y;
}

TEST_F(Render, WallWiderThanTheHeroStoreCentresTheHero) {
  put("Герои", "hero.png", solid(32, 32, red));
  put("Стенки", "wall.png", solid(64, 64, blue));
  put("Двери", "door.png", solid(32, 32, green));
  maze(2, 2);
  ASSERT_EQ(render().code, 0);
  const QImage image = output();
  ASSERT_EQ(image.size(), QSize(2 * 128 + 64, 2 * 128 + 64));
  // The hero box is 64 pixels at (64, 64), white, with the hero 16 pixels in; the door is
  // stretched to the box's size.
  EXPECT_EQ(image.pixel(64, 64), white);
  EXPECT_EQ(image.pixel(79, 79), white);
  EXPECT_EQ(image.pixel(80, 80), red);
  EXPECT_EQ(image.pixel(111, 111), red);
  EXPECT_EQ(image.pixel(112, 112), white);
  EXPECT_EQ(image.pixel(192, 192), green);
  EXPECT_EQ(image.pixel(255, 255), green);
}

TEST_F(Render, TakesTheFirstPictureOfEachFolderUnlessNamed) {
  put("Герои", "b.png", solid(32, 32, magenta));
  put("Герои", "a.png", solid(32, 32, red));
  put("Стенки", "b.png", solid(24, 24, magenta));
  put("Стенки", "a.png", solid(16, 16, blue));
  put("Двери", "b.png", solid(32, 32, magenta));
  put("Двери", "a.png", solid(32, 32, green));
  maze(4, 4);
  ASSERT_EQ(render().code, 0);
  QImage image = output();
  EXPECT_EQ(image.size(), QSize(208, 208));
  EXPECT_EQ(image.pixel(0, 0), blue);
  EXPECT_EQ(image.pixel(16, 16), red);
  EXPECT_EQ(image.pixel(160, 160), green);

  ASSERT_EQ(render({"--hero", "b.png", "--wall", "b.png", "--door", "b.png"}).code, 0);
  image = output();
  EXPECT_EQ(image.size(), QSize(4 * 56 + 24, 4 * 56 + 24));
  EXPECT_EQ(image.pixel(0, 0), magenta);
  EXPECT_EQ(image.pixel(24, 24), magenta);
  EXPECT_EQ(image.pixel(24 + 3 * 56, 24 + 3 * 56), magenta);
}

TEST_F(Render, RefusalsExitWithOneLine) {
  putStandardPictures();
  put("Герои", "h31.png", solid(31, 31, red));
  put("Герои", "h2049.png", solid(2049, 2049, red)); // a few kilobytes, 16 MB decoded
  put("Стенки", "w15.png", solid(15, 15, blue));
  put("Стенки", "tall.png", solid(16, 17, blue));
  put("Стенки", "w48.png", solid(48, 48, blue));
  put("Стенки", "w64.png", solid(64, 64, blue));
  put("Двери", "d31.png", solid(31, 31, green));
  std::ofstream(path("Двери/text.png")) << "not a picture";
  maze(4, 4);
  run({"generate", "181", "181", "-o", path("181.lbr")});
  run({"generate", "100", "100", "-o", path("100.lbr")});
  const std::string m = path("m.lbr");

  struct Row {
    std::vector<std::string> args;
    int code;
    std::string says;
  };
  for (const Row& row : std::vector<Row>{
           {{"render"}, 2, "render takes FILE"},
           {{"render", m, "--hero"}, 2, "--hero needs one value"},
           {{"render", m, "-o", "a.png", "-o", "b.png"}, 2, "-o needs one value"},
           {{"render", m, m}, 2, "unexpected argument"},
           {{"render", m, "--size", "2"}, 2, "unexpected argument"},
           {{"render", m, "--wall", "../Герои/a.png"}, 2, "--wall takes a file name in the folder \"Стенки\""},
           {{"render", m, "-o", path("out.xyz")}, 2, "cannot write .xyz files"},
           {{"render", m, "--style", "ink"}, 2, "--style is lines or pictures, not 'ink'"},
           {{"render", m, "--way", "--way"}, 2, "unexpected argument '--way'"},
           {{"render", path("none.lbr")}, 1, "Файл \"" + path("none.lbr") + "\" не найден."},
           {{"render", m, "--hero", "none.png"}, 2, "hero picture '" + path("Герои/none.png") + "': Рисунок не открыт."},
           {{"render", m, "--door", "text.png"}, 2, "door picture '" + path("Двери/text.png") + "': Рисунок не открыт."},
           {{"render", m, "--hero", "h2049.png"}, 2, "hero picture '" + path("Герои/h2049.png") + "': Рисунок не открыт."},
           {{"render", m, "--wall", "tall.png"}, 2, "(16 x 17 pixels): Рисунок не квадратный."},
           {{"render", m, "--hero", "h31.png"}, 2, "(31 x 31 pixels): Не подходящий размер рисунка. Прочтите справку."},
           {{"render", m, "--wall", "w15.png"}, 2, "(15 x 15 pixels): Не подходящий размер рисунка."},
           {{"render", m, "--door", "d31.png"}, 2, "(31 x 31 pixels): Не подходящий размер рисунка."},
           // 23232 pixels a side, then 9648 a side but 355 MB.
           {{"render", path("181.lbr"), "--wall", "w64.png"}, 2, "23232 x 23232 pixels; render draws at most"},
           {{"render", path("100.lbr"), "--wall", "w48.png"}, 2, "9648 x 9648 pixels; render draws at most"},
           {{"render", m, "-o", path("no/such/folder.png")}, 1,
            "Файл \"" + path("no/such/folder.png") + "\" сохранить не возможно."},
       }) {
    const ToolRun r = run(row.args, dir.string());
    EXPECT_EQ(r.code, row.code) << row.args.back();
    EXPECT_NE(r.err.find(row.says), std::string::npos) << row.says << " / " << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.out, "") << row.args.back();
  }
  EXPECT_FALSE(fs::exists(path("out.png")));

  // What stands in the player's folder under the name is what was tried, and is named.
  fs::create_directories(dir / "own/Герои/folder.png");
  ASSERT_EQ(::mkfifo(path("own/Герои/pipe.png").c_str(), 0644), 0);
  for (const std::string name : {"folder.png", "pipe.png"}) {
    std::ostringstream out, err;
    testing::FakeClock clock;
    EXPECT_EQ(runMazeTool({"render", m, "--hero", name}, out, err, clock, PictureFolders{dir.string(), path("own")}), 2);
    EXPECT_EQ(err.str(), "kvarnel-maze: hero picture '" + path("own/Герои/" + name) + "': Рисунок не открыт.\n");
  }

  fs::remove_all(dir / "Двери");
  const ToolRun noDoors = run({"render", m}, dir.string());
  EXPECT_EQ(noDoors.code, 2);
  EXPECT_EQ(noDoors.err, "kvarnel-maze: no door pictures in '" + path("Двери") + "'\n");

  const ToolRun help = run({"render", "--help"});
  EXPECT_EQ(help.code, 0);
  for (const char* word : {"render", "--hero", "--wall", "--door", "Стенки", "16384", "256 MB"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

// The built program finds the picture folders beside itself and paints without a display;
// generate and read need no display at all.
TEST_F(MazeToolExecutable, RendersWithThePicturesBesideItself) {
  ASSERT_EQ(exec("generate 4 4 -o " + path("m.lbr")).code, 0);
  const ToolRun made = exec("render " + path("m.lbr") + " -o " + path("out.png"), "env -u QT_QPA_PLATFORM");
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_EQ(made.out + made.err, "");

  const QStringList walls = QDir(QStringLiteral(KVARNEL_APP_DIR "/Стенки")).entryList(QDir::Files, QDir::Name);
  ASSERT_FALSE(walls.isEmpty());
  const int wall = QImage(QStringLiteral(KVARNEL_APP_DIR "/Стенки/") + walls.first()).width();
  Maze m;
  ASSERT_EQ(readMazeFile(path("m.lbr"), m), MazeFileResult::Ok);
  const PixelRect field = fieldRectOf(m, fieldGeometryOf(wall));
  EXPECT_EQ(QImage(QString::fromStdString(path("out.png"))).size(), QSize(static_cast<int>(field.width),
                                                                          static_cast<int>(field.height)));

  const ToolRun piped = exec("render " + path("m.lbr"));
  EXPECT_EQ(piped.code, 0);
  EXPECT_EQ(piped.out, get(path("out.png")));

  const ToolRun headless = exec("read " + path("m.lbr"), "env QT_QPA_PLATFORM=xcb DISPLAY=");
  EXPECT_EQ(headless.code, 0) << headless.err;
  EXPECT_EQ(headless.out, get(path("m.lbr")));
}

} // namespace
} // namespace kvarnel
