// The pictures compiled into the program: the title picture, the window icon, the about logo.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace kvarnel {

// A picture compiled into the program as an SVG source, drawn anew for the device pixel ratio of
// the screen it is shown on, so that a dense screen shows the source's detail, not enlarged
// pixels. Its size is in logical pixels: the same on every screen.
class VectorPicture {
public:
  VectorPicture() = default;
  VectorPicture(QString resource, QSize size);

  bool isNull() const { return resource_.isEmpty(); }
  QSize size() const { return size_; }
  // Drawn at that ratio (its devicePixelRatio set); the drawing for the last ratio asked is kept.
  QPixmap at(qreal ratio) const;

private:
  QString resource_;
  QSize size_;
  mutable QPixmap drawn_;
};

// The SVG resource drawn on white into size logical pixels at that device pixel ratio.
QPixmap drawWindowPicture(const QString& resource, QSize size, qreal ratio);

VectorPicture titlePicture(); // 300 x 400
QIcon gameIcon();             // drawn at whatever size and density is asked
VectorPicture aboutLogo();    // 71 x 126

} // namespace kvarnel
