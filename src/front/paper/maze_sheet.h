// A maze on paper: drawn in one of two looks into any QPainter (a page of a PDF, an SVG, a
// picture, a printer), with or without the way to the door, and a page holding it with its
// caption. The game's export and printing and kvarnel-maze share it.
#pragma once

#include "game/core/maze.h"
#include "front/pictures/game_pictures.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace kvarnel {

// Lines: thin walls as lines on white, the start and the door marked, the way a line through
// the rooms; sharp at any size and light on ink. Pictures: the walls, door and hero as the game
// draws them.
enum class PaperLook { Lines, Pictures };

struct MazeDrawing {
  const Maze* maze = nullptr;
  PaperLook look = PaperLook::Lines;
  bool withWay = false; // from the hero's room to the door
  const GamePictures* pictures = nullptr; // what the pictures look draws with
  double lineWidth = 1.0; // the walls' lines, in the painter's units; at most a sixth of a room
};

// The drawing's own size in pixels: the field's for the pictures look, 16 pixels a room and a
// margin for the lines.
QSizeF drawingSize(const MazeDrawing& drawing);
// The maze scaled to fit target, its proportions kept, centred in it.
void paintMaze(QPainter& painter, const QRectF& target, const MazeDrawing& drawing);
// The drawing alone on a device of `size`, its own size scaled: white, the maze inside its margin.
void paintDrawing(QPainter& painter, const QSizeF& size, const MazeDrawing& drawing);

struct Sheet {
  MazeDrawing drawing;
  QString caption; // the maze code or the file name, to play it again
};

// A whole page of the given size, in the painter's units: white, the maze fitted inside the
// margins and the caption under it.
void paintSheet(QPainter& painter, const QSizeF& page, const Sheet& sheet);

} // namespace kvarnel
