// The player's best times and kept game.
#include "game/play/player_records.h"

#include "game/core/atomic_file.h"
#include "game/files/game_folders.h"
#include "game/files/maze_file_commands.h"
#include "game/files/maze_file_format.h"
#include "game/play/game_session.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace kvarnel {
namespace {

// Moves a flawed regular file aside to "NAME.bad-YYYYMMDD-HHMMSS" (a number added should that be
// taken); the name it now has, or nothing when it could not be moved.
std::optional<std::string> moveAside(const std::string& path) {
  // A folder, a pipe or a device of that name is no table to keep; nor is it written over.
  struct stat file {};
  if (::stat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode)) return std::nullopt;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char stamp[32] = "00000000-000000";
  if (::localtime_r(&now, &local) != nullptr) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::string stem = path + ".bad-" + stamp;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string aside = attempt == 0 ? stem : stem + "-" + std::to_string(attempt);
    struct stat taken {};
    if (::lstat(aside.c_str(), &taken) == 0) continue;
    if (std::rename(path.c_str(), aside.c_str()) != 0) return std::nullopt;
    return aside;
  }
  return std::nullopt;
}

} // namespace

PlayerRecords::PlayerRecords(std::string dataFolder, bool playersOwn)
    : folder_(std::move(dataFolder)), kind_(playersOwn ? TargetKind::PlayersOwnFile : TargetKind::OwnFile) {
  std::error_code error;
  keptGame_ = !folder_.empty() && std::filesystem::is_regular_file(file(keptGameFileName), error);
}

std::string PlayerRecords::file(const char* name) const { return folder_.empty() ? std::string() : folder_ + name; }

BestTimes PlayerRecords::bestTimes() const {
  return folder_.empty() ? BestTimes{} : readBestTimes(file(bestTimesFileName)).table;
}

std::optional<EnteredBestTime> PlayerRecords::enterBestTime(const GameResult& result) {
  if (folder_.empty()) return std::nullopt;
  const std::string path = file(bestTimesFileName);
  ReadBestTimes read = readBestTimes(path);
  const std::optional<BestTimePlace> place = kvarnel::enterBestTime(read.table, result);
  if (!place) return std::nullopt;
  EnteredBestTime entered{std::move(read.table), *place, {}};
  if (read.flawed) {
    std::optional<std::string> aside = moveAside(path);
    if (!aside) return entered; // kept as it is, unwritten
    entered.setAside = fileNameOf(*aside);
  }
  writeBestTimes(path, entered.table, kind_);
  return entered;
}

void PlayerRecords::keepGame(const GameSession& session) {
  if (folder_.empty() || !session.keptAtExit()) return;
  // Leaving the game must not stop at a message.
  if (writeFileAtomically(file(keptGameFileName), composeMazeFile(session.maze()), kind_) ==
      AtomicWriteResult::Ok)
    keptGame_ = true;
}

std::optional<Maze> PlayerRecords::readKeptGame(MessageBoxes& messages) const {
  if (!keptGame_) return std::nullopt;
  return readMazeOrSay(file(keptGameFileName), messages);
}

void PlayerRecords::forgetKeptGame() {
  std::error_code error;
  if (!folder_.empty()) std::filesystem::remove(file(keptGameFileName), error);
  keptGame_ = false;
}

} // namespace kvarnel
