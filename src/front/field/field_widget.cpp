// The playing field.
#include "front/field/field_widget.h"

#include "front/field/field_painter.h"
#include "front/field/way_painter.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kvarnel {

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void FieldWidget::showTitle(const QPixmap& title) {
  title_ = title;
  maze_.reset();
  update();
}

void FieldWidget::showMaze(Maze maze, const FieldGeometry& geometry, const QPixmap& wall, const QPixmap& door) {
  maze_ = std::move(maze);
  geometry_ = geometry;
  wall_ = wall;
  door_ = door;
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
  painter.translate(-origin_);
  const QRect area = event->rect().translated(origin_);
  if (maze_) {
    paintField(painter, area, *maze_, geometry_, wall_, door_);
    if (!way_.empty()) paintWay(painter, area, way_, geometry_);
  } else {
    painter.fillRect(area, Qt::white);
    painter.drawPixmap(0, 0, title_);
  }
}

void FieldWidget::mousePressEvent(QMouseEvent*) { emit pressed(); }

void FieldWidget::mouseReleaseEvent(QMouseEvent* event) { emit released(event->position() + QPointF(origin_)); }

} // namespace kvarnel
