// Fuzz target: the maze file reader, over bytes and over a file on disk.
#include "game/core/size_limits.h"
#include "game/files/maze_file_format.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace kvarnel::fuzz {
namespace {

// A maze in play that no file can give, so that any field a refused read touched shows.
Maze mazeInPlay() {
  Maze maze;
  maze.roomsAcross = 3;
  maze.roomsDown = 5;
  maze.gridMaxX = 6;
  maze.gridMaxY = 10;
  maze.mazeGrid.assign(7 * 11, 42);
  maze.heroCol = 2;
  maze.heroRow = 4;
  return maze;
}

void checkAccepted(const Maze& maze) {
  check(mazeSizeFits(maze.roomsAcross, maze.roomsDown), "an accepted maze has a size the game makes");
  check(maze.gridMaxX == 2 * maze.roomsAcross && maze.gridMaxY == 2 * maze.roomsDown,
        "an accepted maze has grid bounds twice its size");
  check(maze.heroCol >= 0 && maze.heroCol < maze.roomsAcross && maze.heroRow >= 0 &&
            maze.heroRow < maze.roomsDown,
        "an accepted maze has the hero in a room");
  check(maze.mazeGrid.size() == static_cast<std::size_t>(maze.gridMaxX + 1) *
                                    static_cast<std::size_t>(maze.gridMaxY + 1),
        "an accepted maze has one cell per grid place");
  check(std::all_of(maze.mazeGrid.begin(), maze.mazeGrid.end(),
                    [](std::uint8_t code) { return code <= 9; }),
        "an accepted maze has one-digit cell codes");
}

} // namespace

// One input: its properties, then the same bytes read as a file.
void fuzzMazeFile(std::string_view bytes) {
  static const ScratchFile scratch("maze");
  const Maze before = mazeInPlay();

  Maze maze = before;
  const MazeFileResult result = parseMazeFile(bytes, maze);
  check(result == MazeFileResult::Ok || result == MazeFileResult::NotMazeFile,
        "parsing gives Ok or NotMazeFile");
  if (result == MazeFileResult::Ok) {
    checkAccepted(maze);
    // What the reader accepted, the writer writes back to the same maze, and that text is
    // what the writer makes of it again.
    const std::string text = composeMazeFile(maze);
    Maze again = before;
    check(parseMazeFile(text, again) == MazeFileResult::Ok, "a written maze reads back");
    check(again == maze, "a written maze reads back the same");
    check(composeMazeFile(again) == text, "writing a read-back maze gives the same bytes");
  } else {
    check(maze == before, "a refused file changes nothing");
  }

  // The file reader gives what the bytes give, for files below the megabyte it reads at most.
  if (bytes.size() >= (std::size_t{1} << 20)) return;
  scratch.put(bytes);
  Maze fromFile = before;
  check(readMazeFile(scratch.path(), fromFile) == result, "the file reads as its bytes parse");
  check(fromFile == maze, "the file reads into the same maze as its bytes");
}

} // namespace kvarnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvarnel::fuzz::fuzzMazeFile(kvarnel::fuzz::bytesOf(data, size));
  return 0;
}
