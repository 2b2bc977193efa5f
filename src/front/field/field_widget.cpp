// The playing field.
#include "front/field/field_widget.h"

#include "front/field/field_painter.h"
#include "front/field/way_painter.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kvarnel {

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void FieldWidget::showTitle(const VectorPicture& title) {
  title_ = title;
  maze_.reset();
  update();
}

void FieldWidget::showMaze(Maze maze, const FieldGeometry& geometry, const QPixmap& wall, const QPixmap& door) {
  maze_ = std::move(maze);
  geometry_ = geometry;
  wall_ = wall;
  door_ = door;
  readyRatio_ = 0;
  update();
}

void FieldWidget::setOrigin(QPoint origin) {
  if (origin == origin_) return;
  origin_ = origin;
  update();
}

void FieldWidget::showWay(WayMarks way) {
  way_ = std::move(way);
  update();
}

void FieldWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // The screen's density is asked at every paint: the window may have moved to another screen.
  const qreal ratio = devicePixelRatioF();
  painter.translate(-fieldShift(origin_, ratio));
  // Where the shift is not the origin, up to a pixel more than exposed: the widget cuts it off.
  const int margin = ratio == 1.0 ? 0 : 1;
  const QRect area = event->rect().translated(origin_).adjusted(-margin, -margin, margin, margin);
  if (maze_) {
    if (readyRatio_ != ratio) {
      ready_ = fieldPicturesAt(ratio, geometry_, wall_, door_);
      readyRatio_ = ratio;
    }
    paintField(painter, area, *maze_, geometry_, ready_.wall, ready_.door);
    if (!way_.empty()) paintWay(painter, area, way_, geometry_);
  } else {
    painter.fillRect(area, Qt::white);
    painter.drawPixmap(0, 0, title_.at(ratio));
  }
}

void FieldWidget::mousePressEvent(QMouseEvent*) { emit pressed(); }

void FieldWidget::mouseReleaseEvent(QMouseEvent* event) { emit released(event->position() + QPointF(origin_)); }

} // namespace kvarnel
