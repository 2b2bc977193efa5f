// Renders the game's SVG pictures into the PNG files of the picture folders at build time:
//   render_assets SOURCE.svg OUT.png SIZE
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_assets SOURCE.svg OUT.png SIZE\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const int size = std::atoi(argv[3]);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid() || size <= 0) {
    std::fprintf(stderr, "render_assets: cannot render %s\n", argv[1]);
    return 1;
  }
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter, QRectF(0, 0, size, size));
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
