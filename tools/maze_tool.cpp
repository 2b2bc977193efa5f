// The commands of kvarnel-maze: generate and read here, render and book in their own files.
#include "maze_tool.h"

#include "book_command.h"
#include "render_command.h"
#include "tool_output.h"

#include "game/core/clock.h"
#include "game/core/new_maze.h"
#include "game/core/release.h"
#include "game/core/seed.h"
#include "game/core/size_limits.h"
#include "game/files/maze_file_format.h"

#include <charconv>
#include <optional>
#include <ostream>

namespace kvarnel {
namespace {

constexpr const char* usage = R"(Usage:
  kvarnel-maze generate W H [--seed-text TEXT | --seconds S] [-o FILE]
      Writes the maze file the game would save right after starting a new game of
      W x H rooms, with the hero in room (0, 0). --seed-text gives the seed text itself
      (e.g. ' 45296.17'); --seconds the time of day in seconds since midnight
      (0 to below 86400) from which the game makes it, taken to single precision as the
      game does. With neither, the clock is used as in the game.
      Sizes: each side 2 to 16383 rooms, at most 32767 rooms in all.
  kvarnel-maze read FILE [-o OUT]
      Reads FILE as the game does and writes it back as the game would save it.
      Exits 1 with the game's message when the file cannot be read.
  kvarnel-maze render FILE [-o OUT] [--style lines|pictures] [--way]
                    [--hero NAME] [--wall NAME] [--door NAME]
      Reads FILE as the game does and draws its maze. --style pictures (the default)
      draws the playing field as the game shows it: the walls, the door in the
      bottom-right room and the hero in the room where it stands. --style lines draws
      thin walls as lines on white, the hero's room a dot and the door a square, 16
      pixels a room. --way adds the way from the hero's room to the door.
      NAME is a picture's file name in the folder "Герои", "Стенки" or "Двери" beside
      this program, or in ../share/kvarnel from it when the game is installed; a player's
      own picture of that name in ~/.local/share/kvarnel comes first there. Without it
      the first file of the folders by name is taken. Pictures must be square, at least
      32 pixels a side for a hero and a door and 16 for a wall, and at most 2048.
      The kind of file written follows OUT's ending: .svg, .pdf, or a picture (PNG when
      there is none, and on standard output). A field above 16384 pixels a side or
      256 MB (4 bytes a pixel) is refused.
  kvarnel-maze book --size WxH --count N [--code-prefix TEXT] [--paper a4|letter]
                    [-o BOOK.pdf]
      Makes a PDF of N (1 to 1000) mazes of W x H rooms, one a page with its code
      under it, then the answer pages with the way to the door. The codes are
      WxH:TEXT1 to WxH:TEXTN, TEXT being "bk-" unless --code-prefix says otherwise,
      so the same arguments give the same book and "Лабиринт по коду..." in the game
      plays any of its mazes. The first 7 bytes of a code's text make its maze, so
      TEXT and the largest number fit in 7 bytes (TEXT up to 3 bytes for 1000 mazes).
      Paper is A4 unless --paper letter.
  kvarnel-maze --help
      Shows this text.
  kvarnel-maze --version
      Shows the version of the game this program comes with.

Output goes to standard output unless -o names a file, which is replaced safely: a failed
write leaves the old file as it was.
Exit codes: 0 done, 1 a file could not be read or written, 2 bad arguments, a size beyond
the limits or a picture that cannot be used. Messages go to standard error, one line each.
)";

constexpr double secondsPerDay = 86400;

std::optional<long long> wholeNumber(const std::string& text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int refuseSize(std::ostream& err) {
  err << "kvarnel-maze: a maze is " << minRoomsPerSide << " to " << maxRoomsPerSide
      << " rooms a side and at most " << maxRoomCount << " rooms in all\n";
  return 2;
}

// Writes a maze to the named file, or its bytes to out.
int emit(const Maze& maze, const std::optional<std::string>& outFile, std::ostream& out,
         std::ostream& err) {
  if (!outFile) return writeStandardOutput(composeMazeFile(maze), out, err);
  const MazeFileResult result = writeMazeFile(maze, *outFile);
  if (result == MazeFileResult::Ok) return 0;
  err << mazeFileMessage(result, *outFile) << '\n';
  return 1;
}

} // namespace

int generateMaze(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, Clock& clock) {
  std::vector<std::string> sizes;
  std::optional<std::string> seedText, seconds, outFile;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::optional<std::string>& slot) {
      if (i + 1 >= args.size() || slot) return false;
      slot = args[++i];
      return true;
    };
    if (a == "--seed-text" || a == "--seconds" || a == "-o") {
      if (!value(a == "--seed-text" ? seedText : a == "--seconds" ? seconds : outFile)) {
        err << "kvarnel-maze: " << a << " needs one value\n";
        return 2;
      }
    } else if (sizes.size() < 2 && !a.starts_with("-")) {
      sizes.push_back(a);
    } else {
      err << "kvarnel-maze: unexpected argument '" << a << "' (see --help)\n";
      return 2;
    }
  }
  if (sizes.size() != 2 || (seedText && seconds)) {
    err << "kvarnel-maze: generate takes W H and at most one of --seed-text and --seconds\n";
    return 2;
  }
  const auto width = wholeNumber(sizes[0]);
  const auto height = wholeNumber(sizes[1]);
  if (!width || !height || !mazeSizeFits(*width, *height)) return refuseSize(err);
  std::string text;
  if (seedText) {
    text = *seedText;
  } else if (seconds) {
    double value = 0;
    const auto [end, error] = std::from_chars(seconds->data(), seconds->data() + seconds->size(), value);
    if (error != std::errc{} || end != seconds->data() + seconds->size() || !(value >= 0) ||
        value >= secondsPerDay) {
      err << "kvarnel-maze: --seconds needs the seconds since midnight, 0 to below "
          << secondsPerDay << "\n";
      return 2;
    }
    text = seedTextOf(static_cast<float>(value));
  } else {
    text = seedTextNow(clock);
  }
  const std::optional<Maze> maze =
      newMaze(static_cast<std::int32_t>(*width), static_cast<std::int32_t>(*height), text);
  if (!maze) return refuseSize(err);
  return emit(*maze, outFile, out, err);
}

namespace {

int read(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> file, outFile;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size() && !outFile) {
      outFile = args[++i];
    } else if (!file && !args[i].starts_with("-")) {
      file = args[i];
    } else {
      err << "kvarnel-maze: unexpected argument '" << args[i] << "' (see --help)\n";
      return 2;
    }
  }
  if (!file) {
    err << "kvarnel-maze: read takes FILE (see --help)\n";
    return 2;
  }
  Maze maze;
  const MazeFileResult result = readMazeFile(*file, maze);
  if (result != MazeFileResult::Ok) {
    err << mazeFileMessage(result, *file) << '\n';
    return 1;
  }
  return emit(maze, outFile, out, err);
}

} // namespace

int runMazeTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                Clock& clock, const PictureFolders& pictures) {
  if (args.empty()) {
    err << "kvarnel-maze: no command (see --help)\n";
    return 2;
  }
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      out << usage;
      return 0;
    }
    if (a == "--version") {
      out << "kvarnel-maze " << releaseVersion() << '\n';
      return 0;
    }
  }
  if (args[0] == "generate") return generateMaze(args, out, err, clock);
  if (args[0] == "read") return read(args, out, err);
  if (args[0] == "render") return renderMaze(args, out, err, pictures);
  if (args[0] == "book") return makeMazeBook(args, out, err);
  err << "kvarnel-maze: unknown command '" << args[0] << "' (see --help)\n";
  return 2;
}

} // namespace kvarnel
