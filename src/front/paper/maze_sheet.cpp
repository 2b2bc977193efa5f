// Drawing a maze on paper.
#include "front/paper/maze_sheet.h"

#include "game/core/way_search.h"
#include "game/paper/maze_lines.h"
#include "game/paper/page_layout.h"
#include "game/view/field_geometry.h"
#include "front/field/field_painter.h"
#include "front/field/way_painter.h"

#include <QFont>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace kvarnel {
namespace {

constexpr double linesRoomPixels = 16;
constexpr double linesMarginPixels = 8;
// The pictures look is drawn as one picture of the field, at most this many pixels a side: sharp
// on a page printed at 300 dots an inch, and at most 64 MB however large the maze.
constexpr double largestFieldPicture = 4096;
const QColor wayColour(210, 40, 30);

std::vector<Room> wayOf(const Maze& maze) { return wayToDoor(maze, {maze.heroCol, maze.heroRow}); }

QRectF fitted(const QRectF& target, double width, double height) {
  if (width <= 0 || height <= 0) return {};
  const double scale = std::min(target.width() / width, target.height() / height);
  const QSizeF size(width * scale, height * scale);
  return {target.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

// Drawn in rooms: the painter is scaled so that a room is 1 across and down.
void paintLines(QPainter& painter, const QRectF& target, const MazeDrawing& drawing) {
  const Maze& maze = *drawing.maze;
  const QRectF box = fitted(target, maze.roomsAcross, maze.roomsDown);
  if (box.isEmpty()) return;
  const double room = box.width() / maze.roomsAcross;
  const double line = std::min(drawing.lineWidth, room / 6) / room;
  painter.save();
  painter.translate(box.topLeft());
  painter.scale(room, room);
  painter.setRenderHint(QPainter::Antialiasing);

  if (drawing.withWay) {
    QPolygonF way;
    for (const Room& r : wayCorners(wayOf(maze))) way << QPointF(r.col + 0.5, r.row + 0.5);
    painter.setPen(QPen(wayColour, std::max(line * 2, 0.12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(way);
  }

  // One path for every wall: long runs, integer corners, so a large maze stays small.
  QPainterPath walls;
  for (const WallRun& run : wallRunsOf(maze)) {
    walls.moveTo(run.x1, run.y1);
    walls.lineTo(run.x2, run.y2);
  }
  painter.setPen(QPen(Qt::black, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(walls);

  // The start a dot, the door a square.
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(maze.heroCol + 0.5, maze.heroRow + 0.5), 0.22, 0.22);
  painter.setPen(QPen(Qt::black, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(maze.roomsAcross - 0.75, maze.roomsDown - 0.75, 0.5, 0.5));
  painter.restore();
}

// The whole field as the window shows it, the hero in his room and the way over it, painted into
// a painter set up for field pixels.
void paintWholeField(QPainter& painter, const Maze& maze, const GamePictures& pictures, bool withWay) {
  const FieldGeometry g = fieldGeometryOf(pictures.wallSide());
  const PixelRect field = fieldRectOf(maze, g);
  const QRect all(0, 0, static_cast<int>(field.width), static_cast<int>(field.height));
  paintField(painter, all, maze, g, pictures[PictureKind::Wall], pictures[PictureKind::Door]);
  painter.drawPixmap(static_cast<int>(heroRestPosition(maze.heroCol, g)),
                     static_cast<int>(heroRestPosition(maze.heroRow, g)), heroBoxPicture(g, pictures[PictureKind::Hero]));
  if (withWay) paintWay(painter, all, wayMarksOf(wayOf(maze), maze.roomsAcross, maze.roomsDown), g);
}

// A picture is painted straight into; a PDF, an SVG or a printer gets the field as one picture,
// not as thousands of wall tiles.
void paintPictures(QPainter& painter, const QRectF& target, const MazeDrawing& drawing) {
  const Maze& maze = *drawing.maze;
  const PixelRect field = fieldRectOf(maze, fieldGeometryOf(drawing.pictures->wallSide()));
  if (field.width <= 0 || field.height <= 0) return;
  const auto width = static_cast<double>(field.width);
  const auto height = static_cast<double>(field.height);
  const QRectF box = fitted(target, width, height);
  if (painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Raster) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / width, box.height() / height);
    paintWholeField(painter, maze, *drawing.pictures, drawing.withWay);
    painter.restore();
    return;
  }
  const double scale = std::min(1.0, largestFieldPicture / std::max(width, height));
  QImage image(std::max(1, static_cast<int>(std::lround(width * scale))),
               std::max(1, static_cast<int>(std::lround(height * scale))), QImage::Format_RGB32);
  if (image.isNull()) return;
  {
    QPainter fieldPainter(&image);
    fieldPainter.scale(scale, scale);
    paintWholeField(fieldPainter, maze, *drawing.pictures, drawing.withWay);
  }
  painter.drawImage(box, image);
}

} // namespace

QSizeF drawingSize(const MazeDrawing& drawing) {
  const Maze& maze = *drawing.maze;
  if (drawing.look == PaperLook::Pictures && drawing.pictures != nullptr) {
    const PixelRect field = fieldRectOf(maze, fieldGeometryOf(drawing.pictures->wallSide()));
    return {static_cast<double>(field.width), static_cast<double>(field.height)};
  }
  return {maze.roomsAcross * linesRoomPixels + 2 * linesMarginPixels,
          maze.roomsDown * linesRoomPixels + 2 * linesMarginPixels};
}

void paintMaze(QPainter& painter, const QRectF& target, const MazeDrawing& drawing) {
  if (drawing.maze == nullptr || !drawing.maze->hasGrid()) return;
  if (drawing.look == PaperLook::Pictures && drawing.pictures != nullptr)
    paintPictures(painter, target, drawing);
  else
    paintLines(painter, target, drawing);
}

void paintDrawing(QPainter& painter, const QSizeF& size, const MazeDrawing& drawing) {
  const QRectF whole(QPointF(0, 0), size);
  painter.fillRect(whole, Qt::white);
  const QSizeF natural = drawingSize(drawing);
  if (natural.isEmpty()) return;
  const double scale = std::min(size.width() / natural.width(), size.height() / natural.height());
  const double margin = drawing.look == PaperLook::Lines ? linesMarginPixels * scale : 0;
  paintMaze(painter, whole.adjusted(margin, margin, -margin, -margin), drawing);
}

void paintSheet(QPainter& painter, const QSizeF& page, const Sheet& sheet) {
  painter.fillRect(QRectF(QPointF(0, 0), page), Qt::white);
  if (sheet.drawing.maze == nullptr) return;
  const Maze& maze = *sheet.drawing.maze;
  const PageLayout layout = layOutPage(page.width(), page.height(), {maze.roomsAcross, maze.roomsDown});
  const PageBox& m = layout.maze;
  MazeDrawing drawing = sheet.drawing;
  // Half a millimetre on a sheet of A4 standing upright.
  drawing.lineWidth = std::min(page.width(), page.height()) * 0.5 / 210.0;
  paintMaze(painter, QRectF(m.x, m.y, m.width, m.height), drawing);

  const PageBox& c = layout.caption;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(c.height * 0.7)));
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(c.x, c.y, c.width, c.height), Qt::AlignHCenter | Qt::AlignVCenter, sheet.caption);
}

} // namespace kvarnel
