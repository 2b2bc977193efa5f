// Hostile pictures and picture folders met by the picture chooser and the loader: what the player
// sees, and proof that the chosen picture and the maze in play stay as they were.
#include "game/core/picture_kinds.h"
#include "support/game_fixture.h"
#include "support/resource_probe.h"
#include "front/pictures/game_pictures.h"
#include "front/dialogs/new_game_dialog.h"
#include "front/dialogs/picture_chooser.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace kvarnel {
namespace {

namespace fs = std::filesystem;
using testing::GameFixture;
using testing::putPicture;
using testing::ResourceProbe;

QByteArray encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

QImage solid(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  return image;
}

void putBigEndian(QByteArray& bytes, int at, quint32 value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xff);
}

void putLittleEndian(QByteArray& bytes, int at, quint32 value, int size) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

// The checksum PNG chunks carry, so that a doctored header is not refused for its checksum.
quint32 pngCrc(const char* data, int size) {
  quint32 crc = 0xffffffffu;
  for (int i = 0; i < size; ++i) {
    crc ^= static_cast<quint8>(data[i]);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return crc ^ 0xffffffffu;
}

// A well-formed PNG of one pixel whose header claims width x height.
QByteArray pngClaiming(quint32 width, quint32 height) {
  QByteArray png = encoded(solid(1, 1), "PNG");
  putBigEndian(png, 16, width);
  putBigEndian(png, 20, height);
  putBigEndian(png, 29, pngCrc(png.constData() + 12, 17)); // over "IHDR" and its 13 bytes
  return png;
}

// A BMP of one pixel whose header claims width x height.
QByteArray bmpClaiming(quint32 width, quint32 height) {
  QByteArray bmp = encoded(solid(1, 1), "BMP");
  putLittleEndian(bmp, 18, width, 4);
  putLittleEndian(bmp, 22, height, 4);
  return bmp;
}

// A GIF of one pixel whose screen and image claim width x height.
QByteArray gifClaiming(quint16 width, quint16 height) {
  QByteArray gif("GIF89a", 6);
  gif += QByteArray("\0\0\0\0\x80\0\0", 7); // screen size, a global table of two colours
  gif += QByteArray("\0\0\0\xff\xff\xff", 6);
  gif += QByteArray(",\0\0\0\0\0\0\0\0\0", 10); // image at 0, 0
  gif += QByteArray("\x02\x02\x44\x01\0;", 6);
  putLittleEndian(gif, 6, width, 2);
  putLittleEndian(gif, 8, height, 2);
  putLittleEndian(gif, 23, width, 2);
  putLittleEndian(gif, 25, height, 2);
  return gif;
}

class HostilePictures : public GameFixture {
protected:
  void SetUp() override {
    GameFixture::SetUp();
    putStandardPictures();
    std::ofstream(appFolder + "Options.ini", std::ios::binary) << " 4 \r\n 4 \r\nhero.png\r\nwall.png\r\ndoor.png\r\n";
    restart();
    modals.script = [](QDialog& dialog) { testing::control<QPushButton>(&dialog, "kOK")->click(); };
    menuItem("MenuNew")->trigger();
    modals.script = nullptr;
    ASSERT_TRUE(session().mazeShown());
    window->playOpenedMaze(testing::withHeroAt(maze(), 2, 1), "");
  }

  QString heroFolder() const { return QString::fromStdString(appFolder) + QStringLiteral("Герои/"); }
  void put(const QString& name, const QByteArray& bytes) const {
    QFile file(heroFolder() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  // The hero chooser from the main menu, with `player` acting on it.
  void chooseHero(const std::function<void(QDialog&)>& player) {
    modals.script = [&](QDialog& dialog) { player(dialog); };
    menuItem("MenuSel_0")->trigger();
    modals.script = nullptr;
  }
  static QListWidget* files(QDialog& chooser) { return testing::control<QListWidget>(&chooser, "File1"); }
  static QPushButton* choose(QDialog& chooser) { return testing::control<QPushButton>(&chooser, "kOK"); }
  static QWidget* preview(QDialog& chooser) { return testing::control<QWidget>(&chooser, "picPole"); }
  // A name remembered from an earlier run that does not load.
  static bool forgotten(PictureKind kind, const std::string& appFolder, const std::string& name) {
    return !loadPicture({appFolder, {}}, kind, name).picture;
  }

  // What a refused or unloadable picture must leave alone.
  struct Kept {
    std::string hero;
    qint64 store;
    std::vector<std::uint8_t> grid;
    QPoint heroBox;
    bool operator==(const Kept&) const = default;
  };
  Kept kept() const {
    return {window->options().heroPicture, window->pictures()[PictureKind::Hero].cacheKey(),
            maze().mazeGrid, control("picGeroy")->pos()};
  }
};

TEST_F(HostilePictures, TheChooserPreviewsOnlyWhatLoadsAndAcceptsOnlyWhatFits) {
  const QByteArray png64 = encoded(solid(64, 64), "PNG");
  const struct {
    const char* why;
    QByteArray bytes;
    QSize preview;        // empty: the preview is hidden and "Выбрать" disabled
    const char* refusal;  // what "Выбрать" says when it can be pressed
  } rows[] = {
      {"a PNG cut in the middle of its pixels", png64.left(png64.size() / 2), {}, nullptr},
      {"a PNG cut after its header", png64.left(33), {}, nullptr},
      {"not a picture", QByteArray("Это не рисунок.\r\n"), {}, nullptr},
      {"an empty file", QByteArray(), {}, nullptr},
      {"1 x 1", encoded(solid(1, 1), "PNG"), {1, 1}, wrongSizeMessage},
      {"1 x 400", encoded(solid(1, 400), "PNG"), {1, 400}, notSquareMessage},
      {"400 x 1", encoded(solid(400, 1), "BMP"), {400, 1}, notSquareMessage},
      {"a PNG header claiming 60000 x 60000", pngClaiming(60000, 60000), {}, nullptr},
      {"a picture of 2049 pixels a side", encoded(solid(2049, 2049), "PNG"), {}, nullptr},
      {"a PNG header claiming 2^31 - 1 a side", pngClaiming(0x7fffffff, 0x7fffffff), {}, nullptr},
      {"a BMP header claiming 60000 x 60000", bmpClaiming(60000, 60000), {}, nullptr},
      {"a BMP header claiming a negative width", bmpClaiming(0x80000001u, 1), {}, nullptr},
      {"a GIF claiming 65535 x 65535", gifClaiming(65535, 65535), {}, nullptr},
      {"a PPM header claiming 60000 x 60000", QByteArray("P6\n60000 60000\n255\n") + QByteArray(30, '\x7f'), {},
       nullptr},
      {"an SVG drawing 60000 units a side",
       QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='60000' height='60000'>"
                  "<rect width='60000' height='60000' fill='red'/></svg>"),
       {}, nullptr},
  };
  int index = 0;
  for (const auto& row : rows) {
    const QString name = QStringLiteral("row%1.png").arg(index++, 2, 10, QLatin1Char('0'));
    put(name, row.bytes);
    messages.shown.clear();
    const Kept before = kept();
    ResourceProbe probe;
    const bool measured = probe.start();
    chooseHero([&](QDialog& chooser) {
      const auto found = files(chooser)->findItems(name, Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1) << row.why;
      files(chooser)->setCurrentItem(found[0]);
      EXPECT_EQ(preview(chooser)->isVisible(), !row.preview.isEmpty()) << row.why;
      EXPECT_EQ(choose(chooser)->isEnabled(), !row.preview.isEmpty()) << row.why;
      EXPECT_EQ(preview(chooser)->size(), row.preview.isEmpty() ? QSize(1, 1) : row.preview) << row.why;
      choose(chooser)->click();
      emit files(chooser)->itemDoubleClicked(found[0]);
      EXPECT_TRUE(chooser.isVisible()) << row.why;
    });
    if (measured) {
      EXPECT_LT(*probe.peakMemoryGrowth(), 64 << 20) << row.why;
    }
    std::vector<std::string> said;
    for (const auto& m : messages.shown) said.push_back(m.text);
    const std::vector<std::string> expected =
        row.refusal ? std::vector<std::string>(2, row.refusal) : std::vector<std::string>{};
    EXPECT_EQ(said, expected) << row.why;
    EXPECT_TRUE(kept() == before) << row.why;

    // Remembered from an earlier run, the file is forgotten.
    EXPECT_TRUE(forgotten(PictureKind::Hero, appFolder, name.toStdString())) << row.why;
    QFile::remove(heroFolder() + name);
  }
}

// Pictures the chooser refuses, named in Options.ini as if chosen in an earlier run: they are
// forgotten, and "Старт!" asks for the kind's picture instead of drawing a maze with them. A wall
// a million pixels wide would make the field of a 16383 x 2 maze wider than its coordinates go.
TEST_F(HostilePictures, PicturesTheChooserRefusesAreNotTakenFromAnEarlierRun) {
  const struct {
    const char* why;
    PictureKind kind;
    int width;
    int height;
  } rows[] = {
      {"a wall a million pixels wide and one high", PictureKind::Wall, 1000000, 1},
      {"a hero 1 x 400", PictureKind::Hero, 1, 400},
      {"a door too small", PictureKind::Door, 31, 31},
      {"a wall too small", PictureKind::Wall, 15, 15},
  };
  for (const auto& row : rows) {
    const std::string kindFolder = pictureFolderName(row.kind);
    putPicture(appFolder, kindFolder.c_str(), "odd.png", row.width, row.height);
    std::array<std::string, 3> names{"hero.png", "wall.png", "door.png"};
    names[static_cast<std::size_t>(kindIndex(row.kind))] = "odd.png";
    std::ofstream(appFolder + "Options.ini", std::ios::binary)
        << " 16383 \r\n 2 \r\n" << names[0] << "\r\n" << names[1] << "\r\n" << names[2] << "\r\n";
    restart();
    ASSERT_EQ(rememberedPicture(window->options(), row.kind), "odd.png") << row.why;

    std::vector<QString> shown;
    modals.script = [&](QDialog& dialog) {
      shown.push_back(dialog.windowTitle());
      if (qobject_cast<NewGameDialog*>(&dialog) != nullptr) {
        const std::array<const char*, 3> previews{"picGeroy", "picStenka", "picDveri"};
        for (PictureKind kind : pictureKinds)
          EXPECT_EQ(testing::control<QLabel>(&dialog, previews[kindIndex(kind)])->pixmap().isNull(), kind == row.kind)
              << row.why;
        testing::control<QPushButton>(&dialog, "kOK")->click();
      }
    };
    menuItem("MenuNew")->trigger();
    modals.script = nullptr;
    EXPECT_EQ(shown, (std::vector<QString>{QStringLiteral("Новая игра"), chooserCaption(row.kind)})) << row.why;
    EXPECT_EQ(rememberedPicture(window->options(), row.kind), "") << row.why;
    EXPECT_FALSE(window->pictures()[row.kind]) << row.why;
    EXPECT_FALSE(maze().hasGrid()) << row.why;
    QFile::remove(QString::fromStdString(appFolder + kindFolder + "/odd.png"));
  }
}

// Things in a picture folder that are not files: the chooser does not list them, and a name
// remembered for one loads nothing and never waits.
TEST_F(HostilePictures, FoldersPipesAndDevicesAreNoPictures) {
  const Kept before = kept();
  const std::string hero = heroFolder().toStdString();
  fs::create_directory(hero + "folder.png");
  ASSERT_EQ(::mkfifo((hero + "pipe.png").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", hero + "zero.png");
  fs::create_symlink(hero + "missing.png", hero + "dangling.png");
  chooseHero([&](QDialog& chooser) {
    QStringList listed;
    for (int i = 0; i < files(chooser)->count(); ++i) listed << files(chooser)->item(i)->text();
    EXPECT_FALSE(listed.contains(QStringLiteral("folder.png")));
    EXPECT_FALSE(listed.contains(QStringLiteral("pipe.png")));
    for (const QString& name : listed) {
      files(chooser)->setCurrentRow(static_cast<int>(listed.indexOf(name)));
      EXPECT_EQ(choose(chooser)->isEnabled(), name == QStringLiteral("hero.png")) << name.toStdString();
    }
  });
  for (const char* name : {"folder.png", "pipe.png", "zero.png", "dangling.png"})
    EXPECT_TRUE(forgotten(PictureKind::Hero, appFolder, name)) << name;
  EXPECT_TRUE(kept() == before);
  EXPECT_TRUE(messages.shown.empty());
}

// Picture folders that are no ordinary folders of pictures.
TEST_F(HostilePictures, TheChooserCopesWithAnyPictureFolder) {
  const std::string wallFolder = appFolder + "Стенки";
  const struct {
    const char* why;
    std::function<void()> make;
    int listed;
    bool firstLoads;
  } rows[] = {
      {"10 000 files, the first a picture",
       [&] {
         fs::remove_all(wallFolder);
         putPicture(appFolder, "Стенки", "p00000.png", 16, 16, Qt::green);
         // Names for one empty file: quicker to make than as many files, and listed the same.
         std::ofstream(wallFolder + "/p00001.png");
         for (int i = 2; i < 10000; ++i) {
           char name[16];
           std::snprintf(name, sizeof name, "/p%05d.png", i);
           fs::create_hard_link(wallFolder + "/p00001.png", wallFolder + name);
         }
       },
       10000, true},
      {"a file in place of the folder",
       [&] {
         fs::rename(wallFolder, appFolder + "many"); // the temporary folder's removal deletes them
         std::ofstream(wallFolder) << "not a folder";
       },
       0, false},
      {"a link to a file in place of the folder",
       [&] {
         fs::remove_all(wallFolder);
         fs::create_symlink(appFolder + "Герои/hero.png", wallFolder);
       },
       0, false},
      {"a folder of folders",
       [&] {
         fs::remove_all(wallFolder);
         fs::create_directories(wallFolder + "/a.png");
         fs::create_directories(wallFolder + "/b");
       },
       0, false},
  };
  for (const auto& row : rows) {
    row.make();
    const Kept before = kept();
    const std::string wall = window->options().wallPicture;
    const qint64 wallStore = window->pictures()[PictureKind::Wall].cacheKey();
    modals.script = [&](QDialog& chooser) {
      EXPECT_EQ(files(chooser)->count(), row.listed) << row.why;
      EXPECT_EQ(files(chooser)->currentRow(), row.listed > 0 ? 0 : -1) << row.why;
      EXPECT_EQ(choose(chooser)->isEnabled(), row.firstLoads) << row.why;
      EXPECT_EQ(preview(chooser)->isVisible(), row.firstLoads) << row.why;
      EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Выбор стенки")) << row.why;
    };
    menuItem("MenuSel_1")->trigger();
    modals.script = nullptr;
    EXPECT_EQ(window->options().wallPicture, wall) << row.why;
    EXPECT_EQ(window->pictures()[PictureKind::Wall].cacheKey(), wallStore) << row.why;
    EXPECT_TRUE(kept() == before) << row.why;

    // The wall remembered from an earlier run cannot be loaded from such a folder.
    if (row.listed == 0) {
      EXPECT_TRUE(forgotten(PictureKind::Wall, appFolder, "wall.png")) << row.why;
    }
  }
  EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace kvarnel
