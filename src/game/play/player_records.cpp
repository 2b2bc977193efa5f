// The player's best times and kept game.
#include "game/play/player_records.h"

#include "game/core/atomic_file.h"
#include "game/files/game_folders.h"
#include "game/files/maze_file_commands.h"
#include "game/files/maze_file_format.h"
#include "game/play/game_session.h"

#include <filesystem>
#include <system_error>

namespace kvarnel {

PlayerRecords::PlayerRecords(std::string dataFolder) : folder_(std::move(dataFolder)) {
  std::error_code error;
  keptGame_ = !folder_.empty() && std::filesystem::is_regular_file(file(keptGameFileName), error);
}

std::string PlayerRecords::file(const char* name) const { return folder_.empty() ? std::string() : folder_ + name; }

BestTimes PlayerRecords::bestTimes() const { return folder_.empty() ? BestTimes{} : readBestTimes(file(bestTimesFileName)); }

std::optional<EnteredBestTime> PlayerRecords::enterBestTime(const GameResult& result) {
  if (folder_.empty()) return std::nullopt;
  BestTimes table = bestTimes();
  const std::optional<BestTimePlace> place = kvarnel::enterBestTime(table, result);
  if (!place) return std::nullopt;
  writeBestTimes(file(bestTimesFileName), table);
  return EnteredBestTime{std::move(table), *place};
}

void PlayerRecords::keepGame(const GameSession& session) {
  if (folder_.empty() || !session.keptAtExit()) return;
  // Leaving the game must not stop at a message.
  if (writeFileAtomically(file(keptGameFileName), composeMazeFile(session.maze()), TargetKind::OwnFile) ==
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
