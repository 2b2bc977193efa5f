// The codes of a maze book.
#include "game/paper/maze_book.h"

#include "game/core/new_maze.h"
#include "game/core/size_limits.h"

#include <algorithm>

namespace kvarnel {

std::size_t longestBookPrefix(int count) {
  return significantCodeBytes - std::to_string(std::max(count, 1)).size();
}

std::optional<std::vector<BookMaze>> bookMazes(const BookRequest& request) {
  if (!mazeSizeFits(request.size.roomsAcross, request.size.roomsDown)) return std::nullopt;
  if (request.count < minBookCount || request.count > maxBookCount) return std::nullopt;
  if (request.codePrefix.size() > longestBookPrefix(request.count)) return std::nullopt;
  std::vector<BookMaze> mazes;
  mazes.reserve(static_cast<std::size_t>(request.count));
  for (int n = 1; n <= request.count; ++n) {
    const std::string seedText = " " + request.codePrefix + std::to_string(n);
    std::optional<std::string> code = mazeCodeText(request.size.roomsAcross, request.size.roomsDown, seedText);
    if (!code) return std::nullopt;
    std::optional<MazeCode> parsed = parseMazeCode(*code);
    if (!parsed) return std::nullopt;
    mazes.push_back({std::move(*code), std::move(*parsed)});
  }
  return mazes;
}

Maze mazeOf(const BookMaze& entry) {
  return newMaze(entry.parsed.roomsAcross, entry.parsed.roomsDown, entry.parsed.seedText).value_or(Maze{});
}

} // namespace kvarnel
