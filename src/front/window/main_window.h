// The main window: the playing field in its scrolling view, the time bar, the game's timers and
// the main menu. It turns Qt events into commands of the game session and shows what they
// change.
#pragma once

#include "game/core/options.h"
#include "game/core/platform.h"
#include "game/files/maze_file_commands.h"
#include "game/play/game_session.h"
#include "game/files/start_up.h"
#include "front/pictures/game_pictures.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QTimer;

namespace kvarnel {

class FieldViewport;
class GameMenu;
class ModalRunner;
class NewGameDialog;
class TimeBar;

class MainWindow : public QMainWindow {
  Q_OBJECT
public:
  MainWindow(GameFolders folders, Options options, Services& services, ModalRunner& modals);
  ~MainWindow() override;

  const GameSession& session() const { return session_; }
  const Options& options() const { return options_; }
  const MazeFiles& files() const { return files_; }
  const GamePictures& pictures() const { return pictures_; }

  // The pictures the field is drawn with; a maze on show is drawn again with them.
  void usePictures(GamePictures pictures);
  // A new maze as "Старт!" asks for it, with the pictures in use; no file is current. Made from
  // seedText when given (a maze code), else from the time of day.
  void startNewMaze(const NewGameRequest& request, const std::optional<std::string>& seedText = std::nullopt);
  // A maze read from the file at path, played untimed; that file becomes the current one.
  void playOpenedMaze(Maze maze, const std::string& path);
  // A command of the session from outside the designed menu; its changes are shown.
  void command(const std::function<SessionChanges(GameSession&)>& run) { showChanges(run(session_)); }
  // Asks the chooser for each kind of picture still missing, as "Старт!" does; false when the
  // player cancels one (the pictures chosen before it are kept).
  bool completePictures();

signals:
  // The window has been closed and the options written: the program ends.
  void closed();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void createControls();
  void createTimers();
  void createMenu();
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& key = {});

  void newGameCommand();
  std::optional<Picture> choosePicture(PictureKind kind);
  void choosePictureCommand(PictureKind kind);
  void openMazeCommand();
  void saveCommand(bool saveAs);
  void helpCommand();
  void aboutCommand();

  void showChanges(const SessionChanges& changes);
  void followSession();
  void stopTimers();
  void layOutClientArea();
  void showEnd(GameEnd end);
  void setFileCaption(const std::string& path);

  GameFolders folders_;
  Options options_;
  Services& services_;
  ModalRunner& modals_;
  GameSession session_;
  GamePictures pictures_;
  MazeFiles files_;
  std::unique_ptr<NewGameDialog> newGame_; // hidden, not destroyed, after "Старт!"
  bool endShown_ = false;
  bool closed_ = false;

  QWidget* client_ = nullptr;
  TimeBar* timeBar_ = nullptr;
  FieldViewport* viewport_ = nullptr;
  QTimer* stepTimer_ = nullptr;
  QTimer* clockTimer_ = nullptr;
  QTimer* victoryDelay_ = nullptr;
  QAction* saveItem_ = nullptr;
  QAction* saveAsItem_ = nullptr;
  std::unique_ptr<GameMenu> gameMenu_; // goes first, while the session it reads is still there
};

} // namespace kvarnel
