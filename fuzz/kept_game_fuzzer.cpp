// Fuzz target: the kept game as "Продолжить прошлую игру" reads it from the player's data folder,
// played on and kept again at exit.
#include "game/core/platform.h"
#include "game/files/game_folders.h"
#include "game/files/maze_file_format.h"
#include "game/play/game_session.h"
#include "game/play/player_records.h"
#include "game/view/field_geometry.h"
#include "fuzz_support.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kvarnel::fuzz {
namespace {

class CountedMessages : public MessageBoxes {
public:
  MessageAnswer show(const std::string&, MessageIcon, MessageButtons, MessageAnswer answer) override {
    ++shown;
    return answer;
  }
  int shown = 0;
};

// A data folder of its own per process, in memory where there is such a folder.
class ScratchFolder {
public:
  ScratchFolder() : path_(ScratchFile("kept-game").path() + "/") { std::filesystem::create_directories(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

private:
  std::string path_;
};

} // namespace

void fuzzKeptGame(std::string_view bytes) {
  // Beyond the megabyte the reader takes at most, a kept game is refused the same way.
  if (bytes.size() >= (std::size_t{1} << 20)) return;
  static const ScratchFolder folder;
  const std::string kept = folder.path() + keptGameFileName;
  ScratchFile::putAt(kept, bytes);

  PlayerRecords records(folder.path());
  check(records.hasKeptGame(), "a kept game file is a kept game");
  CountedMessages messages;
  const std::optional<Maze> maze = records.readKeptGame(messages);
  Maze parsed;
  const bool parses = parseMazeFile(bytes, parsed) == MazeFileResult::Ok;
  check(maze.has_value() == parses, "the kept game reads as its bytes parse");
  if (!maze) {
    check(messages.shown == 1, "an unreadable kept game is said once");
    check(records.hasKeptGame(), "an unreadable kept game stays kept");
    return;
  }
  check(messages.shown == 0 && *maze == parsed, "a readable kept game is read silently as it parses");

  // Played on and left at exit, it is kept again: the file written reads back to the same maze.
  GameSession session;
  session.openMaze(*maze, fieldGeometryOf(16));
  check(session.keptAtExit(), "an opened kept game is kept at exit");
  records.forgetKeptGame();
  check(!records.hasKeptGame(), "a forgotten kept game is gone");
  records.keepGame(session);
  check(records.hasKeptGame(), "a game left at exit is kept");
  const std::optional<Maze> again = records.readKeptGame(messages);
  check(messages.shown == 0 && again == session.maze(), "the kept game reads back the same");
  check(PlayerRecords(folder.path()).readKeptGame(messages) == again, "the next start reads the same kept game");
}

} // namespace kvarnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvarnel::fuzz::fuzzKeptGame(kvarnel::fuzz::bytesOf(data, size));
  return 0;
}
