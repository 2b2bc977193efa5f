// The maze on paper without Qt: wall runs against the grid, the way's corners, the page, a book's codes.
#include "game/core/maze_code.h"
#include "game/core/new_maze.h"
#include "game/paper/maze_book.h"
#include "game/paper/maze_lines.h"
#include "game/paper/page_layout.h"
#include "support/mazes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <unordered_set>

namespace kvarnel {
namespace {

using Cells = std::set<std::pair<std::int32_t, std::int32_t>>;

// Every closed cell between two posts: the walls a drawing must show, and no others.
Cells wallCellsBetweenPosts(const Maze& maze) {
  Cells cells;
  for (std::int32_t x = 0; x <= maze.gridMaxX; ++x)
    for (std::int32_t y = 0; y <= maze.gridMaxY; ++y)
      if ((x % 2) != (y % 2) && !maze.openAt(x, y)) cells.insert({x, y});
  return cells;
}

TEST(WallRuns, CoverEveryWallOnceInTheLongestRuns) {
  for (const Maze& maze : {testing::madeMaze(20, 4), testing::madeMaze(181, 181, " 1.5"), testing::sampleMaze()}) {
    const std::vector<WallRun> runs = wallRunsOf(maze);
    Cells drawn;
    std::size_t pieces = 0;
    for (const WallRun& run : runs) {
      ASSERT_TRUE(run.x1 == run.x2 || run.y1 == run.y2);
      for (const auto& cell : wallCellsOf(run)) drawn.insert(cell), ++pieces;
    }
    EXPECT_EQ(drawn, wallCellsBetweenPosts(maze));
    EXPECT_EQ(pieces, drawn.size()) << "a wall drawn twice";
    // Longest: no run ends where another of the same line begins.
    std::set<std::tuple<bool, std::int32_t, std::int32_t>> ends;
    for (const WallRun& run : runs) ends.insert({run.y1 == run.y2, run.x2, run.y2});
    for (const WallRun& run : runs) EXPECT_FALSE(ends.count({run.y1 == run.y2, run.x1, run.y1})) << run.x1 << "," << run.y1;
  }
  // The largest maze's walls as long lines: far fewer runs than wall pieces.
  const Maze large = testing::madeMaze(181, 181, " 1.5");
  EXPECT_LT(wallRunsOf(large).size() * 2, wallCellsBetweenPosts(large).size());
}

TEST(WayCorners, KeepTheEndsAndTheTurnsOnly) {
  const std::vector<Room> way{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {3, 2}};
  EXPECT_EQ(wayCorners(way), (std::vector<Room>{{0, 0}, {2, 0}, {2, 2}, {3, 2}}));
  EXPECT_EQ(wayCorners({{1, 1}}), (std::vector<Room>{{1, 1}}));
  EXPECT_TRUE(wayCorners({}).empty());
}

TEST(PageLayout, FitsTheMazeWithSquareRoomsAndTheCaptionBelow) {
  for (const MazeSize rooms : {MazeSize{20, 4}, MazeSize{4, 20}, MazeSize{16383, 2}, MazeSize{181, 181}}) {
    const double width = 595, height = 842;
    const PageLayout page = layOutPage(width, height, rooms);
    EXPECT_NEAR(page.maze.width / rooms.roomsAcross, page.maze.height / rooms.roomsDown, 1e-9);
    EXPECT_GT(page.maze.x, 0);
    EXPECT_LT(page.maze.x + page.maze.width, width);
    EXPECT_GE(page.caption.y, page.maze.y + page.maze.height);
    EXPECT_LT(page.caption.y + page.caption.height, height);
  }
  EXPECT_EQ(paperKindOf("A4"), PaperKind::A4);
  EXPECT_EQ(paperKindOf("letter"), PaperKind::Letter);
  EXPECT_EQ(paperKindOf("a5"), std::nullopt);
}

TEST(MazeBook, SameRequestSameCodesEachTheGamesMaze) {
  const BookRequest request{{40, 40}, 3, "7a-"};
  const auto book = bookMazes(request);
  ASSERT_TRUE(book);
  ASSERT_EQ(book->size(), 3u);
  EXPECT_EQ((*book)[2].code, "40x40:7a-3");
  for (const BookMaze& entry : *book) {
    // The code the page prints gives the very maze the book drew.
    const std::optional<MazeCode> typed = parseMazeCode(entry.code);
    ASSERT_TRUE(typed);
    EXPECT_EQ(newMaze(typed->roomsAcross, typed->roomsDown, typed->seedText),
              newMaze(entry.parsed.roomsAcross, entry.parsed.roomsDown, entry.parsed.seedText));
  }
  EXPECT_EQ(bookMazes(request)->back().code, book->back().code);
  // Every page a maze of its own, the numbers within the part of the code that makes the maze.
  const auto thousand = bookMazes({{40, 40}, 1000, defaultBookPrefix});
  ASSERT_TRUE(thousand);
  std::unordered_set<std::string> grids; // ordered sets of byte vectors trip a false GCC 12 warning at -O3
  for (const BookMaze& entry : *thousand) {
    const std::vector<std::uint8_t> grid = mazeOf(entry).mazeGrid;
    grids.emplace(grid.begin(), grid.end());
  }
  EXPECT_EQ(grids.size(), 1000u);

  EXPECT_FALSE(bookMazes({{40, 40}, 0, "a"}));
  EXPECT_FALSE(bookMazes({{40, 40}, 1001, "a"}));
  EXPECT_FALSE(bookMazes({{1, 40}, 1, "a"}));
  EXPECT_FALSE(bookMazes({{200, 200}, 1, "a"}));
  EXPECT_FALSE(bookMazes({{40, 40}, 1, " a"}));
  EXPECT_FALSE(bookMazes({{40, 40}, 1, "a\tb"}));
  EXPECT_FALSE(bookMazes({{40, 40}, 10, "abcdef"})); // "10" would be past the seventh byte
  EXPECT_TRUE(bookMazes({{40, 40}, 9, "abcdef"}));
}

} // namespace
} // namespace kvarnel
