// Writing and reading maze files: the cost must grow linearly with the rooms.
// A write pays a fixed fsync; composing and parsing show the format's own cost.
#include "core/new_maze.h"
#include "files/maze_file_format.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace kvarnel {
namespace {

MazeState benchMaze(const benchmark::State& state) {
  MazeState maze;
  maze.mazeWidth = static_cast<int>(state.range(0));
  maze.mazeHeight = static_cast<int>(state.range(1));
  startNewMaze(maze, " 45296.17");
  return maze;
}

std::string benchFile() {
  return (std::filesystem::temp_directory_path() / "kvarnel-bench.lbr").string();
}

void BM_WriteMazeFile(benchmark::State& state) {
  const MazeState maze = benchMaze(state);
  const std::string file = benchFile();
  for (auto _ : state) benchmark::DoNotOptimize(WriteMazeFile(maze, file));
  std::filesystem::remove(file);
}

void BM_ReadMazeFile(benchmark::State& state) {
  const std::string file = benchFile();
  WriteMazeFile(benchMaze(state), file);
  MazeState maze;
  for (auto _ : state) benchmark::DoNotOptimize(ReadMazeFile(maze, file));
  std::filesystem::remove(file);
}

// The format alone, without the file system: composing and parsing the bytes.
void BM_ComposeMazeFile(benchmark::State& state) {
  const MazeState maze = benchMaze(state);
  for (auto _ : state) benchmark::DoNotOptimize(composeMazeFile(maze));
  state.SetComplexityN(static_cast<benchmark::IterationCount>(maze.mazeGrid.size()));
}

void BM_ParseMazeFile(benchmark::State& state) {
  const MazeState written = benchMaze(state);
  const std::string bytes = composeMazeFile(written);
  MazeState maze;
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
