// The way to the door: finding it after a walk in the largest mazes, and painting it over a
// window-sized viewport, whose time must not grow with the maze.
#include "game/core/new_maze.h"
#include "game/core/way_search.h"
#include "game/view/field_geometry.h"
#include "front/field/way_painter.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace kvarnel {
namespace {

// Args: rooms across, rooms down. From room (0, 0), the longest way there is.
void BM_WayToDoor(benchmark::State& state) {
  const std::optional<Maze> maze =
      newMaze(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)), " 45296.17");
  if (!maze) {
    state.SkipWithError("maze size");
    return;
  }
  std::size_t rooms = 0;
  for (auto _ : state) {
    const std::vector<Room> way = wayToDoor(*maze, {0, 0});
    rooms = way.size();
    benchmark::DoNotOptimize(way.data());
  }
  state.counters["way_rooms"] = static_cast<double>(rooms);
}
BENCHMARK(BM_WayToDoor)->Args({20, 4})->Args({181, 181})->Args({16383, 2})->Unit(benchmark::kMicrosecond);

// Args: rooms across, rooms down. The way over the designed viewport in the middle of the field.
void BM_WayRepaint(benchmark::State& state) {
  const std::optional<Maze> maze =
      newMaze(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)), " 45296.17");
  if (!maze) {
    state.SkipWithError("maze size");
    return;
  }
  const WayMarks marks = wayMarksOf(wayToDoor(*maze, {0, 0}), maze->roomsAcross, maze->roomsDown);
  const FieldGeometry g = fieldGeometryOf(16);
  const PixelRect field = fieldRectOf(*maze, g);
  const int width = static_cast<int>(std::min<std::int64_t>(632, field.width));
  const int height = static_cast<int>(std::min<std::int64_t>(409, field.height));
  const QRect area(static_cast<int>((field.width - width) / 2), static_cast<int>((field.height - height) / 2), width,
                   height);
  QImage viewport(width, height, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&viewport);
    painter.translate(-area.x(), -area.y());
    paintWay(painter, area, marks, g);
    painter.end();
    benchmark::DoNotOptimize(viewport.constBits());
  }
}
BENCHMARK(BM_WayRepaint)
    ->Args({20, 4})
    ->Args({181, 181})
    ->Args({16383, 2})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kvarnel
