// The player's records in his data folder: the best times of the mazes he won, and the game he
// left unfinished, kept for "Продолжить прошлую игру".
#pragma once

#include "game/core/atomic_file.h"
#include "game/core/maze.h"
#include "game/core/platform.h"
#include "game/play/best_times.h"

#include <optional>
#include <string>

namespace kvarnel {

class GameSession;

// The best times with a time just entered in them.
struct EnteredBestTime {
  BestTimes table;
  BestTimePlace place;
  // The name a flawed best-times file was moved aside to before the new table was written,
  // for the player to be told; empty when there was none.
  std::string setAside;
};

class PlayerRecords {
public:
  // dataFolder ends in its separator; without one nothing is kept and no file is named, never
  // one wherever the game was started. In the player's own folder (playersOwn) a link he made to
  // a file of his stays a link when the file is written.
  explicit PlayerRecords(std::string dataFolder, bool playersOwn = false);

  BestTimes bestTimes() const;
  // Enters a victory among the best times of its size and writes them, silently on failure (the
  // table is shown all the same); nothing when it is not fast enough. A file that held more than
  // its good rows is first moved aside beside it, and is never written over.
  std::optional<EnteredBestTime> enterBestTime(const GameResult& result);

  bool hasKeptGame() const { return keptGame_; }
  // At exit: an untimed game in play is kept for next time; silent on failure.
  void keepGame(const GameSession& session);
  // The kept game, or nothing after its message when it cannot be read; it stays kept.
  std::optional<Maze> readKeptGame(MessageBoxes& messages) const;
  // The kept game is played or unreadable: it goes.
  void forgetKeptGame();

private:
  std::string file(const char* name) const;

  std::string folder_;
  TargetKind kind_;
  bool keptGame_ = false;
};

} // namespace kvarnel
