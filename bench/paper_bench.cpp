// A maze on paper: the largest mazes exported in the lines look to SVG and PDF, and a book of
// 100 mazes of 40 x 40 with its answers. Targets: an export under 1 s, the SVG of 181 x 181
// under 2 MB, the book under 5 s.
#include "game/core/new_maze.h"
#include "game/paper/maze_book.h"
#include "front/paper/paper_export.h"

#include <benchmark/benchmark.h>

namespace kvarnel {
namespace {

// Args: rooms across and down; 0 for SVG, 1 for PDF. The way is drawn, as on an answer page.
void BM_PaperExport(benchmark::State& state) {
  const Maze maze = *newMaze(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)), " 45296.17");
  const Sheet sheet{{&maze, PaperLook::Lines, true, nullptr, 1.0}, QStringLiteral("code")};
  const QPageLayout page = paperPage(PaperKind::A4, {maze.roomsAcross, maze.roomsDown});
  const PaperFormat format = state.range(2) == 0 ? PaperFormat::Svg : PaperFormat::Pdf;
  qsizetype bytes = 0;
  for (auto _ : state) {
    const QByteArray out = sheetBytes(format, sheet, page);
    bytes = out.size();
    benchmark::DoNotOptimize(out.constData());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PaperExport)->Args({181, 181, 0})->Args({181, 181, 1})->Args({16383, 2, 0})->Args({16383, 2, 1})
    ->Unit(benchmark::kMillisecond);

// What kvarnel-maze book does for --size 40x40 --count 100, short of writing the file.
void BM_PaperBook(benchmark::State& state) {
  for (auto _ : state) {
    const auto book = bookMazes({{40, 40}, 100, defaultBookPrefix});
    std::vector<Maze> mazes;
    for (const BookMaze& entry : *book) mazes.push_back(mazeOf(entry));
    std::vector<Sheet> sheets;
    for (bool answers : {false, true})
      for (std::size_t i = 0; i < mazes.size(); ++i)
        sheets.push_back({{&mazes[i], PaperLook::Lines, answers, nullptr, 1.0}, QString::fromStdString((*book)[i].code)});
    const QByteArray pdf = pdfOf(sheets, paperPage(PaperKind::A4, {40, 40}));
    state.counters["bytes"] = static_cast<double>(pdf.size());
  }
}
BENCHMARK(BM_PaperBook)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kvarnel
