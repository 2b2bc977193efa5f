// A maze book: N mazes of one size, each made from a code the book prints, so the same request
// always gives the same book and every maze can be played again from its page.
#pragma once

#include "game/core/maze.h"
#include "game/core/maze_code.h"

#include <optional>
#include <string>
#include <vector>

namespace kvarnel {

inline constexpr int minBookCount = 1;
inline constexpr int maxBookCount = 1000;
inline constexpr const char* defaultBookPrefix = "bk-";
// Only the first eight bytes of a seed text, its blank and seven more, make the maze: the prefix
// and the maze's number must fit in those seven, or two pages would draw the same maze.
inline constexpr std::size_t significantCodeBytes = 7;

// The longest prefix a book of count mazes can take.
std::size_t longestBookPrefix(int count);

struct BookRequest {
  MazeSize size;
  int count = 0;
  std::string codePrefix = defaultBookPrefix;
};

struct BookMaze {
  std::string code; // "WxH:TEXT", as printed under the maze
  MazeCode parsed;  // what the game makes the maze from
};

// The codes of the book's mazes in page order: TEXT is the prefix and the maze's number from 1.
// Nothing when the size or the count is beyond the limits, the prefix is longer than
// longestBookPrefix, or a code would not read back as the same maze (a prefix with control
// characters or blanks at its start).
std::optional<std::vector<BookMaze>> bookMazes(const BookRequest& request);

// The maze a book's page draws: the game's maze for its code.
Maze mazeOf(const BookMaze& entry);

} // namespace kvarnel
