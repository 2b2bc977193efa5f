// The playing field: the title picture before the first maze, then the maze painted from the
// grid. The widget is no larger than the part of the field in view and paints the field from its
// origin, the scroll position, so any field the game can make fits, however large.
#pragma once

#include "game/core/maze.h"
#include "game/core/way_search.h"
#include "game/view/field_geometry.h"
#include "front/field/field_painter.h"
#include "front/pictures/embedded_pictures.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace kvarnel {

class FieldWidget : public QWidget {
  Q_OBJECT
public:
  explicit FieldWidget(QWidget* parent = nullptr);

  void showTitle(const VectorPicture& title);
  // From now on the field paints this maze with these pictures.
  void showMaze(Maze maze, const FieldGeometry& geometry, const QPixmap& wall, const QPixmap& door);
  // The point of the field shown at the widget's top-left corner.
  void setOrigin(QPoint origin);
  QPoint origin() const { return origin_; }
  // Draws this way over the maze from now on; an empty one draws none.
  void showWay(WayMarks way);
  const WayMarks& way() const { return way_; }

signals:
  void pressed();
  // Where a button came up, in field pixels.
  void released(QPointF position);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  VectorPicture title_;
  std::optional<Maze> maze_; // none: the title picture
  FieldGeometry geometry_;
  QPixmap wall_;
  QPixmap door_;
  FieldPictures ready_; // wall_ and door_ made ready for readyRatio_
  qreal readyRatio_ = 0;
  QPoint origin_;
  WayMarks way_;
};

} // namespace kvarnel
