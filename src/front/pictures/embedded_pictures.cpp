// The pictures compiled into the program, drawn from their SVG sources at their designed sizes
// and the screen's density.
#include "front/pictures/embedded_pictures.h"

#include <QIconEngine>
#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace kvarnel {
namespace {

const QString iconResource = QStringLiteral(":/window/icon.svg");

// Draws the icon's source at exactly the size and density asked, rather than scaling one of a
// few drawings: window managers and launchers ask for sizes from 16 to 512 device pixels.
class VectorIconEngine : public QIconEngine {
public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->fillRect(rect, Qt::white);
    QSvgRenderer(iconResource).render(painter, rect);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Here the size asked is in device pixels already.
    QPixmap drawn = drawWindowPicture(iconResource, size, 1.0);
    drawn.setDevicePixelRatio(scale);
    return drawn;
#else
    return drawWindowPicture(iconResource, size, scale);
#endif
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
  }
  QIconEngine* clone() const override { return new VectorIconEngine; }
  QString key() const override { return QStringLiteral("kvarnel-vector"); }
};

} // namespace

VectorPicture::VectorPicture(QString resource, QSize size) : resource_(std::move(resource)), size_(size) {}

QPixmap VectorPicture::at(qreal ratio) const {
  if (drawn_.isNull() || drawn_.devicePixelRatio() != ratio) drawn_ = drawWindowPicture(resource_, size_, ratio);
  return drawn_;
}

QPixmap drawWindowPicture(const QString& resource, QSize size, qreal ratio) {
  const QSize device(static_cast<int>(std::ceil(size.width() * ratio)), static_cast<int>(std::ceil(size.height() * ratio)));
  QImage image(device.expandedTo({1, 1}), QImage::Format_RGB32);
  image.fill(Qt::white);
  QSvgRenderer svg(resource);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter, QRectF(0, 0, size.width() * ratio, size.height() * ratio));
  painter.end();
  image.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(image);
}

// The English interface's title picture says how to begin in English; the default locale speaks
// the interface's language.
VectorPicture titlePicture() {
  const bool english = QLocale().language() == QLocale::English;
  return {english ? QStringLiteral(":/window/en/title.svg") : QStringLiteral(":/window/title.svg"), {300, 400}};
}

QIcon gameIcon() { return QIcon(new VectorIconEngine); }

VectorPicture aboutLogo() { return {QStringLiteral(":/window/logo.svg"), {71, 126}}; }

} // namespace kvarnel
