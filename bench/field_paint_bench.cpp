// One full repaint of a window-sized viewport of the field: the time must not grow with the
// maze, and even a field over 200 000 pixels a side must take little memory.
#include "game/core/new_maze.h"
#include "game/view/field_geometry.h"
#include "front/field/field_painter.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <algorithm>

#include <sys/resource.h>

namespace kvarnel {
namespace {

// The main window's viewport at its designed size.
constexpr int viewportWidth = 632;
constexpr int viewportHeight = 409;

// side logical pixels a side, drawn at the density.
QPixmap picture(int side, QRgb colour, int density = 1) {
  const int device = side * density;
  QImage image(device, device, QImage::Format_RGB32);
  image.fill(colour);
  QPainter(&image).fillRect(device / 4, device / 4, device / 2, device / 2, Qt::black);
  image.setDevicePixelRatio(density);
  return QPixmap::fromImage(image);
}

// The process's largest resident size so far (Linux gives kilobytes).
double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Args: rooms a side, wall picture side, and for a dense screen the ratio in percent and the
// pictures' density (2: the shipped pictures' variants; 1: a player's own bitmaps, scaled once
// before the first repaint). The hero and the door are 32 pixels.
void BM_FieldRepaint(benchmark::State& state) {
  const auto side = static_cast<std::int32_t>(state.range(0));
  const qreal ratio = state.range(2) / 100.0;
  const int density = static_cast<int>(state.range(3));
  const std::optional<Maze> made = newMaze(side, side, " 45296.17");
  if (!made) {
    state.SkipWithError("maze size");
    return;
  }
  const Maze& maze = *made;
  const QPixmap wall = picture(static_cast<int>(state.range(1)), qRgb(160, 60, 40), density);
  const QPixmap door = picture(32, qRgb(40, 160, 60), density);
  const FieldGeometry g = fieldGeometryOf(static_cast<std::int32_t>(state.range(1)));
  const FieldPictures ready = fieldPicturesAt(ratio, g, wall, door);
  const PixelRect field = fieldRectOf(maze, g);

  // The viewport scrolled to the middle of the field; a field smaller than the viewport is
  // painted whole, as only that much of it is exposed.
  const int width = static_cast<int>(std::min<std::int64_t>(viewportWidth, field.width));
  const int height = static_cast<int>(std::min<std::int64_t>(viewportHeight, field.height));
  const QRect area(static_cast<int>((field.width - width) / 2), static_cast<int>((field.height - height) / 2),
                   width, height);
  // The widget's backing store on a dense screen: ratio device pixels to the logical one.
  QImage viewport(static_cast<int>(width * ratio), static_cast<int>(height * ratio), QImage::Format_RGB32);
  viewport.setDevicePixelRatio(ratio);
  for (auto _ : state) {
    QPainter painter(&viewport);
    painter.translate(-area.x(), -area.y());
    paintField(painter, area, maze, g, ready.wall, ready.door);
    painter.end();
    benchmark::DoNotOptimize(viewport.constBits());
  }
  state.counters["field_px"] = static_cast<double>(field.width);
  state.counters["painted_px"] = static_cast<double>(width) * height;
  state.counters["peak_rss_MB"] = peakResidentMegabytes();
}
// CPU time of the whole process, so that work the raster engine might hand to helper threads
// counts too; on a busy machine it is also steadier than the real time.
BENCHMARK(BM_FieldRepaint)
    ->ArgNames({"rooms", "wall", "ratio_pct", "density"})
    ->Args({4, 16, 100, 1})
    ->Args({60, 16, 100, 1})
    ->Args({181, 16, 100, 1})
    ->Args({181, 600, 100, 1})
    ->Args({4, 16, 200, 2})
    ->Args({60, 16, 200, 2})
    ->Args({181, 16, 200, 2})
    ->Args({181, 600, 200, 2})
    ->Args({60, 16, 200, 1})
    ->Args({60, 16, 150, 2})
    ->Args({181, 600, 150, 2})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kvarnel
