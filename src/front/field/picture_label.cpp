// A label that shows its picture in the picture's own colours.
#include "front/field/picture_label.h"

#include <QEvent>
#include <QPainter>

namespace kvarnel {

void PictureLabel::drawWith(std::function<QPixmap(qreal)> draw) {
  draw_ = std::move(draw);
  setPixmap(draw_(devicePixelRatioF()));
}

void PictureLabel::drawForScreen() {
  const qreal ratio = devicePixelRatioF();
  if (draw_ && pixmap().devicePixelRatio() != ratio) setPixmap(draw_(ratio));
}

bool PictureLabel::event(QEvent* event) {
  // Moved to another screen, or shown on one: the screen's density may not be the drawing's.
  if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show) drawForScreen();
  return QLabel::event(event);
}

void PictureLabel::paintEvent(QPaintEvent*) {
  drawForScreen(); // a screen whose density changed in place sends no event of its own
  QPainter painter(this);
  drawFrame(&painter);
  const QRect inside = contentsRect();
  painter.setClipRect(inside);
  if (pixmap().devicePixelRatio() != devicePixelRatioF()) painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(inside.topLeft(), pixmap());
}

} // namespace kvarnel
