// The menu "Игра" and the walking keys: play beyond the designed game. They reach the main
// window's game session as commands, the way the designed menu does, and show what changes:
// the pause panel, the way over the field, the maze code windows, the best times and the game
// kept at exit.
#pragma once

#include "game/core/platform.h"
#include "game/play/best_times.h"
#include "game/files/start_up.h"

#include <QObject>

#include <optional>
#include <string>

class QAction;
class QMenuBar;
class QTimer;

namespace kvarnel {

class FieldViewport;
class MainWindow;
class ModalRunner;
struct SessionChanges;

// The maze kept at exit, in the player's data folder.
inline constexpr const char* keptGameFileName = "last-game.lbr";

class GameMenu : public QObject {
  Q_OBJECT
public:
  // Takes the window's keys; clockTimer is the game clock, whose second a pause keeps.
  GameMenu(MainWindow& window, FieldViewport& viewport, QTimer& clockTimer, GameFolders folders,
           Services& services, ModalRunner& modals);

  // Adds "Игра" at the end of the menu bar.
  void addTo(QMenuBar& bar);
  // The items and the pause panel as the session stands.
  void follow();
  // After the main window has shown a command's changes (and the end window, if any).
  void showChanges(const SessionChanges& changes);
  // At exit: an untimed game in play is kept for "Продолжить прошлую игру".
  void keepGameForLater();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void restartCommand();
  void pauseCommand(bool paused);
  void wayCommand(bool shown);
  void codeCommand();
  void fromCodeCommand();
  void showBestTimes(const BestTimes& table, std::optional<BestTimePlace> mark);
  void resumeCommand();

  void enterBestTime(const GameResult& result);
  void focusField();
  std::string userFile(const char* name) const;

  MainWindow& window_;
  FieldViewport& viewport_;
  QTimer& clockTimer_;
  const int clockInterval_;
  GameFolders folders_;
  Services& services_;
  ModalRunner& modals_;
  int secondLeft_ = -1; // milliseconds of the clock's second still to run when the game paused
  bool keptGame_ = false;

  QAction* restart_ = nullptr;
  QAction* pause_ = nullptr;
  QAction* way_ = nullptr;
  QAction* code_ = nullptr;
  QAction* resume_ = nullptr;
};

} // namespace kvarnel
