// Fuzz target: the maze code as a player types it, and the maze it makes in the game and in
// kvarnel-maze.
#include "game/core/clock.h"
#include "game/core/maze_code.h"
#include "game/core/size_limits.h"
#include "game/files/maze_file_format.h"
#include "game/play/game_session.h"
#include "game/view/field_geometry.h"
#include "maze_tool.h"
#include "book_command.h"
#include "render_command.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

namespace kvarnel {

// The tool's render and book paint with Qt, which the fuzz targets do not link; the code target
// runs generate only.
int renderMaze(const std::vector<std::string>&, std::ostream&, std::ostream& err, const PictureFolders&) {
  err << "render is not part of the fuzz target\n";
  return 2;
}

int makeMazeBook(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "book is not part of the fuzz target\n";
  return 2;
}

namespace fuzz {
namespace {

class StoppedClock : public Clock {
public:
  double secondsSinceMidnight() override { return 0; }
  double random() override { return 0; }
  double steadySeconds() override { return 0; }
  CalendarDate today() override { return {2026, 1, 2}; }
};

} // namespace

void fuzzMazeCode(std::string_view bytes) {
  const std::optional<MazeCode> code = parseMazeCode(bytes);
  if (!code) return;
  check(mazeSizeFits(code->roomsAcross, code->roomsDown), "a code's size is one the game makes");
  check(code->seedText.size() >= 2 && code->seedText.size() <= longestCodeText + 1 && code->seedText.front() == ' ',
        "a code's seed text is a blank and one to 64 bytes");

  // The code the game shows for that maze reads back to the same code.
  const std::optional<std::string> shown = mazeCodeText(code->roomsAcross, code->roomsDown, code->seedText);
  check(shown.has_value(), "a code read gives a code to show");
  check(parseMazeCode(*shown) == code, "the code shown reads back the same");

  // The game makes the maze from the code; kvarnel-maze generate makes the very same file.
  StoppedClock clock;
  GameSession session(clock);
  session.startNewMaze({code->roomsAcross, code->roomsDown, std::nullopt}, code->seedText, fieldGeometryOf(16));
  check(session.mazeShown(), "a code makes a maze in the game");
  check(session.mazeCode() == shown, "the game shows the code it was given");
  std::ostringstream out, err;
  const int status = generateMaze({"generate", std::to_string(code->roomsAcross), std::to_string(code->roomsDown),
                                  "--seed-text", code->seedText},
                                  out, err, clock);
  check(status == 0, "kvarnel-maze makes the maze of a code");
  check(out.str() == composeMazeFile(session.maze()), "the game's maze is the tool's");
}

} // namespace fuzz
} // namespace kvarnel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvarnel::fuzz::fuzzMazeCode(kvarnel::fuzz::bytesOf(data, size));
  return 0;
}
