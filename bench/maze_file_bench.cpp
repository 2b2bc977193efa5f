// Writing and reading maze files: the cost must grow linearly with the rooms.
// A write pays a fixed fsync; composing and parsing show the format's own cost.
#include "game/core/new_maze.h"
#include "game/files/maze_file_format.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace kvarnel {
namespace {

Maze benchMaze(const benchmark::State& state) {
  return newMaze(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)), " 45296.17")
      .value_or(Maze{});
}

std::string benchFile() {
  return (std::filesystem::temp_directory_path() / "kvarnel-bench.lbr").string();
}

void BM_WriteMazeFile(benchmark::State& state) {
  const Maze maze = benchMaze(state);
  const std::string file = benchFile();
  for (auto _ : state) benchmark::DoNotOptimize(writeMazeFile(maze, file));
  std::filesystem::remove(file);
}

void BM_ReadMazeFile(benchmark::State& state) {
  const std::string file = benchFile();
  writeMazeFile(benchMaze(state), file);
  Maze maze;
  for (auto _ : state) benchmark::DoNotOptimize(readMazeFile(file, maze));
  std::filesystem::remove(file);
}

// The format alone, without the file system: composing and parsing the bytes.
void BM_ComposeMazeFile(benchmark::State& state) {
  const Maze maze = benchMaze(state);
  for (auto _ : state) benchmark::DoNotOptimize(composeMazeFile(maze));
  state.SetComplexityN(static_cast<benchmark::IterationCount>(maze.mazeGrid.size()));
}

void BM_ParseMazeFile(benchmark::State& state) {
  const Maze written = benchMaze(state);
  const std::string bytes = composeMazeFile(written);
  Maze maze;
  for (auto _ : state) benchmark::DoNotOptimize(parseMazeFile(bytes, maze));
  state.SetComplexityN(static_cast<benchmark::IterationCount>(written.mazeGrid.size()));
}

BENCHMARK(BM_ComposeMazeFile)
    ->Args({4, 4})->Args({64, 64})->Args({181, 181})->Args({16383, 2})
    ->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseMazeFile)
    ->Args({4, 4})->Args({64, 64})->Args({181, 181})->Args({16383, 2})
    ->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteMazeFile)->Args({4, 4})->Args({181, 181})->Args({16383, 2})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadMazeFile)->Args({4, 4})->Args({181, 181})->Args({16383, 2})->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kvarnel
