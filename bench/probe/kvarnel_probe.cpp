// The game measured as a player meets it. Started with no arguments, it quits as soon as the
// main window has been shown (the caller times the whole process). Started with a maze size and
// a wall side, it first opens such a maze with a wall picture of that side, scrolls to the
// middle of the field and times full repaints of the window. Prints one line of JSON.
#include "front/window/main_window.h"
#include "front/window/game_main.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QScrollBar>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

QPixmap picture(int side, const QColor& colour) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(colour);
  QPainter(&image).fillRect(side / 4, side / 4, side / 2, side / 2, Qt::white); // not one flat colour
  return QPixmap::fromImage(image);
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

} // namespace

int main(int argc, char** argv) {
  const bool withMaze = argc == 4;
  const int width = withMaze ? std::atoi(argv[1]) : 0;
  const int height = withMaze ? std::atoi(argv[2]) : 0;
  const int wallSide = withMaze ? std::atoi(argv[3]) : 0;
  return kvarnel::runGame(1, argv, [&](kvarnel::MainWindow& window) {
    using kvarnel::PictureKind;
    double repaintMs = 0;
    if (withMaze) {
      kvarnel::GamePictures pictures;
      pictures[PictureKind::Hero] = picture(32, Qt::blue);
      pictures[PictureKind::Wall] = picture(wallSide, Qt::darkRed);
      pictures[PictureKind::Door] = picture(32, Qt::darkGreen);
      window.usePictures(pictures);
      window.startNewMaze({width, height, std::nullopt});
      if (window.session().maze().roomsAcross != width) std::exit(2);
      for (const char* name : {"HScroll1", "VScroll1"}) {
        auto* bar = window.findChild<QScrollBar*>(QString::fromLatin1(name));
        bar->setValue(bar->maximum() / 2);
      }
      // The whole window painted into an image of its size on the screen (QT_SCALE_FACTOR sets
      // the screen's device pixel ratio), as an expose would paint it.
      const qreal ratio = window.devicePixelRatioF();
      QImage screen(window.size() * ratio, QImage::Format_RGB32);
      screen.setDevicePixelRatio(ratio);
      // The first paint makes the pictures ready for the screen's ratio, once: not a repaint.
      window.render(&screen);
      constexpr int repaints = 20;
      QElapsedTimer timer;
      timer.start();
      for (int i = 0; i < repaints; ++i) window.render(&screen);
      repaintMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / repaints;
    }
    std::printf("{\"repaint_ms\": %.3f, \"peak_rss_mb\": %.1f}\n", repaintMs, peakMegabytes());
    std::fflush(stdout);
    window.close();
  });
}
