// A maze on paper: the SVG reads back and shows the maze's walls and the game's way, a PDF has a
// page a sheet, the large maze stays small.
#include "front/paper/paper_export.h"
#include "game/paper/maze_lines.h"
#include "support/mazes.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace kvarnel {
namespace {

// A page a "/Type /Page" entry; "/Type /Pages" is the page tree.
int pdfPages(const QByteArray& pdf) {
  return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// The SVG drawn by Qt's own renderer at twice the size of its view box.
QImage readBack(const QByteArray& svg) {
  QSvgRenderer renderer(svg);
  EXPECT_TRUE(renderer.isValid());
  QImage image((renderer.viewBoxF().size() * 2).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(image.rect()));
  return image;
}

// Where the middle of the wall between two posts of grid cell (x, y) falls in the read-back
// drawing: 16 pixels a room and an 8-pixel margin, doubled.
QPoint wallMiddle(std::int32_t x, std::int32_t y) { return {2 * (8 + 8 * x), 2 * (8 + 8 * y)}; }

bool dark(QRgb pixel) { return qGray(pixel) < 100; }
bool wayColoured(QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) < 100; }

TEST(PaperLines, TheSvgReadsBackWithTheMazesWallsAndTheGamesWay) {
  const Maze maze = testing::withHeroAt(testing::madeMaze(20, 4), 3, 1);
  for (bool withWay : {false, true}) {
    const QImage image = readBack(drawingSvg({&maze, PaperLook::Lines, withWay, nullptr, 1.0}));
    ASSERT_EQ(image.size(), QSize(2 * (20 * 16 + 16), 2 * (4 * 16 + 16)));
    std::set<std::pair<std::int32_t, std::int32_t>> onTheWay;
    const std::vector<Room> way = wayToDoor(maze, {3, 1});
    for (std::size_t i = 1; i < way.size(); ++i)
      onTheWay.insert({way[i - 1].col + way[i].col + 1, way[i - 1].row + way[i].row + 1});
    for (std::int32_t x = 0; x <= maze.gridMaxX; ++x) {
      for (std::int32_t y = 0; y <= maze.gridMaxY; ++y) {
        if (x % 2 == y % 2) continue; // posts and rooms
        const QRgb pixel = image.pixel(wallMiddle(x, y));
        if (!maze.openAt(x, y))
          EXPECT_TRUE(dark(pixel)) << "wall " << x << "," << y;
        else if (withWay && onTheWay.count({x, y}))
          EXPECT_TRUE(wayColoured(pixel)) << "way " << x << "," << y;
        else
          EXPECT_EQ(pixel, qRgb(255, 255, 255)) << "opening " << x << "," << y;
      }
    }
  }
}

TEST(PaperLines, TheLargestMazesStaySmall) {
  const Maze square = testing::madeMaze(181, 181);
  const QPageLayout page = paperPage(PaperKind::A4, {181, 181});
  const QByteArray svg = svgOf({{&square, PaperLook::Lines, true, nullptr, 1.0}, QStringLiteral("181x181:45296.17")}, page);
  EXPECT_LT(svg.size(), 2 * 1024 * 1024);
  EXPECT_TRUE(QSvgRenderer(svg).isValid());
  const Maze strip = testing::madeMaze(16383, 2);
  EXPECT_EQ(pdfPages(pdfOf({{{&strip, PaperLook::Lines, true, nullptr, 1.0}, {}}}, paperPage(PaperKind::Letter, {16383, 2}))), 1);
}

TEST(PaperSheets, PdfPagesPngPageAndEndings) {
  const Maze maze = testing::madeMaze(20, 4);
  GamePictures pictures;
  pictures[PictureKind::Hero] = QPixmap(32, 32);
  pictures[PictureKind::Wall] = QPixmap(16, 16);
  pictures[PictureKind::Door] = QPixmap(32, 32);
  for (QPixmap& p : pictures.byKind) p.fill(Qt::darkGray);
  const Sheet lines{{&maze, PaperLook::Lines, false, nullptr, 1.0}, QStringLiteral("20x4:45296.17")};
  const Sheet drawn{{&maze, PaperLook::Pictures, true, &pictures, 1.0}, QStringLiteral("20x4:45296.17")};
  const QPageLayout page = paperPage(PaperKind::A4, {20, 4});
  EXPECT_EQ(page.orientation(), QPageLayout::Landscape);
  EXPECT_EQ(pdfPages(pdfOf({lines, drawn, lines}, page)), 3);
  const QImage png = QImage::fromData(sheetBytes(PaperFormat::Png, drawn, page), "PNG");
  EXPECT_EQ(png.size(), QSize(1754, 1240)); // A4 across at 150 dots an inch
  EXPECT_TRUE(QSvgRenderer(sheetBytes(PaperFormat::Svg, drawn, page)).isValid());

  EXPECT_EQ(paperFormatOf("/x/Maze.PDF"), PaperFormat::Pdf);
  EXPECT_EQ(paperFormatOf("a.svg"), PaperFormat::Svg);
  EXPECT_EQ(paperFormatOf("a.png"), PaperFormat::Png);
  EXPECT_EQ(paperFormatOf("a.jpg"), std::nullopt);
  EXPECT_EQ(paperFormatOf("pdf"), std::nullopt);
}

} // namespace
} // namespace kvarnel
