// New maze (generate + mark + close) at several sizes: the cost must grow linearly with the rooms.
#include "game/core/new_maze.h"

#include <benchmark/benchmark.h>

namespace kvarnel {
namespace {

void BM_NewMaze(benchmark::State& state) {
  const auto width = static_cast<std::int32_t>(state.range(0));
  const auto height = static_cast<std::int32_t>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(newMaze(width, height, " 45296.17"));
  const double rooms = static_cast<double>(width) * height;
  state.counters["rooms"] = rooms;
  state.counters["ns_per_room"] = benchmark::Counter(
      rooms * static_cast<double>(state.iterations()),
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
