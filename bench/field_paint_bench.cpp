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

QPixmap picture(int side, QRgb colour) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(colour);
  QPainter(&image).fillRect(side / 4, side / 4, side / 2, side / 2, Qt::black);
  return QPixmap::fromImage(image);
}

// The process's largest resident size so far (Linux gives kilobytes).
double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Args: rooms a side, wall picture side. The hero and the door are 32 pixels.
void BM_FieldRepaint(benchmark::State& state) {
  const auto side = static_cast<std::int32_t>(state.range(0));
  const std::optional<Maze> made = newMaze(side, side, " 45296.17");
  if (!made) {
    state.SkipWithError("maze size");
    return;
  }
  const Maze& maze = *made;
  const QPixmap wall = picture(static_cast<int>(state.range(1)), qRgb(160, 60, 40));
  const QPixmap door = picture(32, qRgb(40, 160, 60));
  const FieldGeometry g = fieldGeometryOf(wall.width());
  const PixelRect field = fieldRectOf(maze, g);

  // The viewport scrolled to the middle of the field; a field smaller than the viewport is
  // painted whole, as only that much of it is exposed.
  const int width = static_cast<int>(std::min<std::int64_t>(viewportWidth, field.width));
  const int height = static_cast<int>(std::min<std::int64_t>(viewportHeight, field.height));
  const QRect area(static_cast<int>((field.width - width) / 2), static_cast<int>((field.height - height) / 2),
                   width, height);
  QImage viewport(width, height, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&viewport);
    painter.translate(-area.x(), -area.y());
    paintField(painter, area, maze, g, wall, door);
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
    ->Args({4, 16})
    ->Args({60, 16})
    ->Args({181, 16})
    ->Args({181, 600})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kvarnel
