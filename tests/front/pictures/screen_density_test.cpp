// Pictures on dense screens: drawn from their sources rather than blown up, the shipped variants
// taken by the loader and never listed, and the field painted at ratios 2 and 1.5 one device
// pixel for one, in the geometry of ratio 1.
#include "front/field/field_painter.h"
#include "front/pictures/embedded_pictures.h"
#include "front/pictures/game_pictures.h"
#include "front/pictures/picture_folders.h"
#include "support/game_fixture.h"
#include "support/mazes.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

const PictureFolders shipped{KVARNEL_APP_DIR "/", {}};

// Some 2 x 2 block of the image (at even coordinates) is not of one colour: the image is not an
// image of half its size with every pixel doubled.
bool finerThanTwoByTwo(const QImage& image) {
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb c = image.pixel(x, y);
      if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c) return true;
    }
  return false;
}

QImage pixels(const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_RGB32); }

TEST(DenseScreens, PicturesAreDrawnFromTheirSourcesNotBlownUp) {
  const QImage knight2x(QStringLiteral(KVARNEL_APP_DIR "/Герои/Рыцарь@2x.png"));
  ASSERT_EQ(knight2x.size(), QSize(64, 64)) << "the build draws the variant beside the picture";
  EXPECT_TRUE(finerThanTwoByTwo(knight2x));
  EXPECT_NE(knight2x.convertToFormat(QImage::Format_RGB32),
            QImage(QStringLiteral(KVARNEL_APP_DIR "/Герои/Рыцарь.png")).scaled(64, 64).convertToFormat(QImage::Format_RGB32));

  const QPixmap title = titlePicture().at(2);
  EXPECT_EQ(title.size(), QSize(600, 800));
  EXPECT_EQ(title.deviceIndependentSize(), QSizeF(300, 400));
  EXPECT_TRUE(finerThanTwoByTwo(pixels(title)));
  EXPECT_EQ(titlePicture().at(1.5).size(), QSize(450, 600));
  EXPECT_EQ(gameIcon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
}

TEST(DenseScreens, TheLoaderTakesTheVariantInThePicturesPlace) {
  for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
    const std::optional<QPixmap> knight = loadPicture(shipped, PictureKind::Hero, "Рыцарь.png", ratio).picture;
    ASSERT_TRUE(knight);
    EXPECT_EQ(knight->devicePixelRatio(), ratio > 1 ? 2.0 : 1.0) << ratio;
    EXPECT_EQ(knight->deviceIndependentSize(), QSizeF(32, 32)) << ratio;
  }
  // The walls are as thick on a dense screen as on any other.
  GamePictures pictures;
  pictures[PictureKind::Wall] = *loadPicture(shipped, PictureKind::Wall, "Кирпич.png", 2.0).picture;
  EXPECT_EQ(pictures.wallSide(), 16);

  for (PictureKind kind : pictureKinds)
    for (const QString& name : pictureNames(shipped, kind)) EXPECT_FALSE(name.contains(QLatin1Char('@'))) << name.toStdString();

  // A player's variant of the wrong size is passed over; a name like a variant's with no picture
  // beside it is a picture of its own.
  QTemporaryDir own;
  const std::string folder = own.path().toStdString() + "/";
  testing::putPicture(folder, "Герои", "own.png", 40, 40);
  testing::putPicture(folder, "Герои", "own@2x.png", 64, 64);
  testing::putPicture(folder, "Герои", "lone@2x.png", 64, 64);
  EXPECT_EQ(loadPicture({folder, {}}, PictureKind::Hero, "own.png", 2.0).picture->devicePixelRatio(), 1.0);
  EXPECT_EQ(pictureNames({folder, {}}, PictureKind::Hero), (QStringList{QStringLiteral("lone@2x.png"), QStringLiteral("own.png")}));
}

TEST(DenseScreens, TheFieldCopiesDevicePixelsInTheGeometryOfRatioOne) {
  const Maze maze = testing::madeMaze(4, 4);
  for (const qreal ratio : {2.0, 1.5}) {
    const QPixmap wall = *loadPicture(shipped, PictureKind::Wall, "Кирпич.png", ratio).picture;
    const QPixmap door = *loadPicture(shipped, PictureKind::Door, "Ворота.png", ratio).picture;
    const QPixmap hero = *loadPicture(shipped, PictureKind::Hero, "Рыцарь.png", ratio).picture;
    const FieldGeometry g = fieldGeometryOf(16);
    const FieldPictures ready = fieldPicturesAt(ratio, g, wall, door);
    const PixelRect rect = fieldRectOf(maze, g);
    const auto device = [ratio](std::int64_t logical) { return static_cast<int>(logical * ratio); };

    QImage field(device(rect.width), device(rect.height), QImage::Format_RGB32);
    field.setDevicePixelRatio(ratio);
    QPainter painter(&field);
    paintField(painter, QRect(0, 0, static_cast<int>(rect.width), static_cast<int>(rect.height)), maze, g, ready.wall,
               ready.door);
    painter.end();
    field.setDevicePixelRatio(1);

    // The top wall's tiles, each the wall picture made ready, pixel for pixel: none wider than
    // another. The door fills its room the same way.
    const QImage tile = pixels(ready.wall);
    ASSERT_EQ(tile.size(), QSize(device(16), device(16)));
    for (int k = 0; k < 8; ++k) EXPECT_EQ(field.copy(k * tile.width(), 0, tile.width(), tile.height()), tile) << ratio << " " << k;
    const PixelRect d = doorRectOf(maze, g);
    EXPECT_EQ(field.copy(device(d.x), device(d.y), device(d.width), device(d.height)), pixels(ready.door)) << ratio;

    const QPixmap box = heroBoxPicture(g, hero, ratio);
    EXPECT_EQ(box.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(box.size(), QSize(device(32), device(32)));
    // Scrolled by an odd number of pixels, as the field widget moves the painter: no column of
    // background between the tiles of the top wall.
    QImage scrolled(device(200), device(16), QImage::Format_RGB32);
    scrolled.setDevicePixelRatio(ratio);
    QPainter scrolling(&scrolled);
    scrolling.translate(-fieldShift({5, 0}, ratio));
    paintField(scrolling, QRect(4, 0, 202, 17), maze, g, ready.wall, ready.door);
    scrolling.end();
    for (int x = 0; x < scrolled.width(); ++x) ASSERT_NE(scrolled.pixel(x, 0), qRgb(255, 255, 255)) << ratio << " " << x;

    if (ratio == 2.0) {
      EXPECT_EQ(pixels(box), pixels(hero)) << "the knight's variant as it was drawn";
    }
  }
}

} // namespace
} // namespace kvarnel
