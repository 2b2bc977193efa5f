// New maze (generate + mark + close) at several sizes: the cost must grow linearly with the rooms.
#include "core/new_maze.h"

#include <benchmark/benchmark.h>

namespace kvarnel {
namespace {

void BM_NewMaze(benchmark::State& state) {
  MazeState maze;
  maze.mazeWidth = static_cast<int>(state.range(0));
  maze.mazeHeight = static_cast<int>(state.range(1));
  for (auto _ : state) {
    startNewMaze(maze, " 45296.17");
    benchmark::DoNotOptimize(maze.mazeGrid.data());
  }
  state.counters["rooms"] = static_cast<double>(maze.roomCount);
  state.counters["ns_per_room"] = benchmark::Counter(
      static_cast<double>(maze.roomCount) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_NewMaze)
    ->Args({4, 4})
    ->Args({100, 100})
    ->Args({181, 181})
    ->Args({16383, 2})
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kvarnel
