// A picture box that keeps its drawing.
#include "front/field/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace kvarnel {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

QImage& PictureBox::canvas() {
  const QSize inside = contentsRect().size().expandedTo({1, 1});
  const qreal ratio = devicePixelRatioF();
  if (canvas_.deviceIndependentSize() != QSizeF(inside) || canvas_.devicePixelRatio() != ratio) {
    // At the screen's density, so that letters drawn into it are as sharp as the window's own.
    QImage grown(inside * ratio, QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(background_);
    QPainter(&grown).drawImage(0, 0, canvas_);
    canvas_ = std::move(grown);
  }
  return canvas_;
}

void PictureBox::clear() {
  canvas().fill(background_);
  update();
}

void PictureBox::setBackgroundColour(const QColor& colour) {
  background_ = colour;
  clear();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setClipRect(event->rect());
  painter.drawImage(contentsRect().topLeft(), canvas());
  drawFrame(&painter);
}

void PictureBox::resizeEvent(QResizeEvent*) { canvas(); }

} // namespace kvarnel
