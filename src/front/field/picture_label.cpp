// A label that shows its picture in the picture's own colours.
#include "front/field/picture_label.h"

#include <QPainter>

namespace kvarnel {

void PictureLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect inside = contentsRect();
  painter.setClipRect(inside);
  painter.drawPixmap(inside.topLeft(), pixmap());
}

} // namespace kvarnel
