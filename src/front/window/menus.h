// The main window's menu bar: "Меню" and "Справка" as designed, with "Игра" between them for
// play beyond the designed game. Each item calls one command; which items may be used and which
// are ticked follows the game as it stands.
#pragma once

#include "game/core/picture_kinds.h"

#include <QCoreApplication>

class QAction;
class QMenuBar;

namespace kvarnel {

// What the menus ask for. The main window carries the commands out.
class MenuCommands {
public:
  virtual ~MenuCommands() = default;
  virtual void newGame() = 0;
  virtual void choosePicture(PictureKind kind) = 0;
  virtual void openMaze() = 0;
  virtual void saveMaze(bool saveAs) = 0;
  virtual void quit() = 0;
  virtual void restart() = 0;
  virtual void setPaused(bool paused) = 0;
  virtual void showWay(bool shown) = 0;
  virtual void setPauseOnFocusLoss(bool on) = 0;
  virtual void showMazeCode() = 0;
  virtual void playMazeFromCode() = 0;
  virtual void printMaze() = 0;
  virtual void exportMaze() = 0;
  virtual void showBestTimes() = 0;
  virtual void resumeKeptGame() = 0;
  virtual void showHelp() = 0;
  virtual void showAbout() = 0;
};

// Which items may be used and which are ticked.
struct MenuState {
  bool savingAllowed = false;
  bool restartAllowed = false;
  bool pauseAllowed = false;
  bool paused = false;
  bool wayAllowed = false;
  bool wayShown = false;
  bool pauseOnFocusLoss = false;
  bool codeAllowed = false;
  bool keptGame = false;
  bool paperAllowed = false;
};

class Menus {
  Q_DECLARE_TR_FUNCTIONS(kvarnel::Menus)

public:
  Menus(QMenuBar& bar, MenuCommands& commands);
  void show(const MenuState& state);

private:
  QAction* save_ = nullptr;
  QAction* saveAs_ = nullptr;
  QAction* restart_ = nullptr;
  QAction* pause_ = nullptr;
  QAction* way_ = nullptr;
  QAction* pauseOnFocusLoss_ = nullptr;
  QAction* code_ = nullptr;
  QAction* resume_ = nullptr;
  QAction* print_ = nullptr;
  QAction* export_ = nullptr;
};

} // namespace kvarnel
