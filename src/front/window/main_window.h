// The main window: the playing field in its scrolling view, the time bar, the game's timers and
// the menus. Each Qt event becomes one command of the game session; then the window shows the
// game as the session has it, in one place.
#pragma once

#include "game/core/options.h"
#include "game/core/platform.h"
#include "game/files/extra_settings.h"
#include "game/files/game_folders.h"
#include "game/play/game_session.h"
#include "game/play/player_records.h"
#include "front/window/menus.h"
#include "front/window/paper_flow.h"
#include "front/window/player_choices.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QTimer;

namespace kvarnel {

class FieldViewport;
class ModalRunner;
class TimeBar;

class MainWindow : public QMainWindow, private MenuCommands {
  Q_OBJECT
public:
  MainWindow(GameFolders folders, Options options, Services& services, ModalRunner& modals);
  ~MainWindow() override;

  const GameSession& session() const { return session_; }
  const Options& options() const { return choices_.options(); }
  const MazeFiles& files() const { return choices_.files(); }
  const GamePictures& pictures() const { return choices_.pictures(); }

  // The pictures the field is drawn with; a maze on show is drawn again with them.
  void usePictures(const GamePictures& pictures);
  // A new maze as "Старт!" asks for it, with the pictures in use; no file is current. Made from
  // seedText when given (a maze code), else from the time of day.
  void startNewMaze(const NewGameRequest& request, const std::optional<std::string>& seedText = std::nullopt);
  // A maze read from the file at path, played untimed; that file becomes the current one.
  void playOpenedMaze(Maze maze, const std::string& path);

signals:
  // The window has been closed and the options written: the program ends.
  void closed();

protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void createControls();
  void createTimers();

  void newGame() override;
  void choosePicture(PictureKind kind) override;
  void openMaze() override;
  void saveMaze(bool saveAs) override;
  void quit() override;
  void restart() override;
  void setPaused(bool paused) override;
  void showWay(bool shown) override;
  void setPauseOnFocusLoss(bool on) override;
  void showMazeCode() override;
  void playMazeFromCode() override;
  void printMaze() override;
  void exportMaze() override;
  void showBestTimes() override;
  void resumeKeptGame() override;
  void showHelp() override;
  void showAbout() override;

  // A timed game waits while run shows the windows of "Игра".
  void runPausingTheClock(const std::function<void()>& run);
  void runPausingTheClock(QDialog& window);
  void putOnPaper(bool (PaperFlow::*flow)(const PaperSubject&));
  void showGame();
  void take(const SessionEvents& events);
  void layOutClientArea();
  void setFileCaption(const std::string& path);

  GameFolders folders_;
  ExtraSettings extras_;
  Services& services_;
  ModalRunner& modals_;
  GameSession session_;
  PlayerChoices choices_;
  PlayerRecords records_;
  PaperFlow paper_;
  std::uint64_t laidOut_ = 0; // the session's drawing the timers and the client area were set for
  bool closed_ = false;

  QWidget* client_ = nullptr;
  TimeBar* timeBar_ = nullptr;
  FieldViewport* viewport_ = nullptr;
  QTimer* stepTimer_ = nullptr;
  QTimer* clockTimer_ = nullptr;
  QTimer* victoryDelay_ = nullptr;
  std::unique_ptr<Menus> menus_;
};

} // namespace kvarnel
