// Fuzz target: the maze file reader, over bytes and over a file on disk.
#include "core/size_limits.h"
#include "files/maze_file_format.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace kvarnel::fuzz {
namespace {

// A maze in play that no file can give, so that any field a refused read touched shows.
MazeState mazeInPlay() {
  MazeState maze;
  maze.mazeWidth = 3;
  maze.mazeHeight = 5;
  maze.roomsAcross = 3;
  maze.roomsDown = 5;
  maze.gridMaxX = 6;
  maze.gridMaxY = 10;
  maze.roomCount = 15;
  maze.mazeGrid.assign(7 * 11, 42);
  maze.pathStack.assign(16, PathRecord{3, 17});
  maze.heroCol = 2;
  maze.heroRow = 4;
  maze.wallSize = 11;
  maze.heroSize = 13;
  maze.cellStep = 24;
  maze.halfStep = 12;
  maze.heroX = 59;
  maze.heroY = 107;
  maze.moveDx = -1;
  maze.moveDy = 0;
  maze.stepsLeft = 5;
  maze.mazeShown = 1;
  return maze;
}

// What a maze file carries, and what the reader sets from it.
bool sameFileFields(const MazeState& a, const MazeState& b) {
  return a.mazeWidth == b.mazeWidth && a.mazeHeight == b.mazeHeight && a.heroCol == b.heroCol &&
         a.heroRow == b.heroRow && a.gridMaxX == b.gridMaxX && a.gridMaxY == b.gridMaxY &&
         a.mazeGrid == b.mazeGrid && a.roomsAcross == b.roomsAcross && a.roomsDown == b.roomsDown;
}

// Everything a maze file does not carry.
bool sameOtherFields(const MazeState& a, const MazeState& b) {
  const auto samePath = [](const PathRecord& p, const PathRecord& q) {
    return p.slot == q.slot && p.order == q.order;
  };
  return a.roomCount == b.roomCount &&
         std::equal(a.pathStack.begin(), a.pathStack.end(), b.pathStack.begin(),
                    b.pathStack.end(), samePath) &&
         a.wallSize == b.wallSize && a.heroSize == b.heroSize && a.cellStep == b.cellStep &&
         a.halfStep == b.halfStep && a.heroX == b.heroX && a.heroY == b.heroY &&
         a.moveDx == b.moveDx && a.moveDy == b.moveDy && a.stepsLeft == b.stepsLeft &&
         a.mazeShown == b.mazeShown;
}

void checkAccepted(const MazeState& maze) {
  check(mazeSizeFits(maze.mazeWidth, maze.mazeHeight), "an accepted maze has a size the game makes");
  check(maze.gridMaxX == 2 * maze.mazeWidth && maze.gridMaxY == 2 * maze.mazeHeight,
        "an accepted maze has grid bounds twice its size");
  check(maze.roomsAcross == maze.mazeWidth && maze.roomsDown == maze.mazeHeight,
        "an accepted maze sets the room counts");
  check(maze.heroCol >= 0 && maze.heroCol < maze.mazeWidth && maze.heroRow >= 0 &&
            maze.heroRow < maze.mazeHeight,
        "an accepted maze has the hero in a room");
  check(maze.mazeGrid.size() == static_cast<std::size_t>(maze.gridMaxX + 1) *
                                    static_cast<std::size_t>(maze.gridMaxY + 1),
        "an accepted maze has one cell per grid place");
  check(std::all_of(maze.mazeGrid.begin(), maze.mazeGrid.end(),
                    [](std::uint8_t code) { return code <= 9; }),
        "an accepted maze has one-digit cell codes");
}

} // namespace
} // namespace kvarnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kvarnel;
  using namespace kvarnel::fuzz;
  static const ScratchFile scratch("maze");
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const MazeState before = mazeInPlay();

  MazeState maze = before;
  const MazeFileResult result = parseMazeFile(bytes, maze);
  check(result == MazeFileResult::Ok || result == MazeFileResult::NotMazeFile,
        "parsing gives Ok or NotMazeFile");
  check(sameOtherFields(maze, before), "reading leaves what the file does not carry");
  if (result == MazeFileResult::Ok) {
    checkAccepted(maze);
    // What the reader accepted, the writer writes back to the same maze, and that text is
    // what the writer makes of it again.
    const std::string text = composeMazeFile(maze);
    MazeState again = before;
    check(parseMazeFile(text, again) == MazeFileResult::Ok, "a written maze reads back");
    check(sameFileFields(again, maze), "a written maze reads back the same");
    check(composeMazeFile(again) == text, "writing a read-back maze gives the same bytes");
  } else {
    check(sameFileFields(maze, before), "a refused file changes nothing");
  }

  // The file reader gives what the bytes give, for files below the megabyte it reads at most.
  if (size >= (std::size_t{1} << 20)) return 0;
  scratch.put(bytes);
  MazeState fromFile = before;
  check(ReadMazeFile(fromFile, scratch.path()) == result, "the file reads as its bytes parse");
  check(sameFileFields(fromFile, maze) && sameOtherFields(fromFile, maze),
        "the file reads into the same maze as its bytes");
  return 0;
}
