// The pictures compiled into the program, drawn from their SVG sources at their designed sizes.
#include "front/pictures/embedded_pictures.h"

#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>

namespace kvarnel {
namespace {

QPixmap render(const QString& resource, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QSvgRenderer svg(resource);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter, QRectF(0, 0, width, height));
  painter.end();
  return QPixmap::fromImage(image);
}

} // namespace

// The English interface's title picture says how to begin in English; the default locale speaks
// the interface's language.
QPixmap titlePicture() {
  const bool english = QLocale().language() == QLocale::English;
  return render(english ? QStringLiteral(":/window/en/title.svg") : QStringLiteral(":/window/title.svg"), 300, 400);
}

QIcon gameIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(render(QStringLiteral(":/window/icon.svg"), side, side));
  return icon;
}

QPixmap aboutLogo() { return render(QStringLiteral(":/window/logo.svg"), 71, 126); }

} // namespace kvarnel
