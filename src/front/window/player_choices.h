// The player's choices and their one owner: the options kept between runs, the pictures the field
// is drawn with and the maze file in play, with the designed windows that change them.
#pragma once

#include "game/core/maze.h"
#include "game/core/options.h"
#include "game/core/platform.h"
#include "game/files/game_folders.h"
#include "game/files/maze_file_commands.h"
#include "game/play/new_game_request.h"
#include "front/pictures/game_pictures.h"

#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace kvarnel {

class ModalRunner;
class NewGameDialog;

class PlayerChoices {
public:
  // Takes in use the pictures of the remembered names; one that does not load stays missing,
  // silently, and its name stays for the new-game dialog. Windows are shown over parent.
  PlayerChoices(const GameFolders& folders, Options options, Services& services, ModalRunner& modals,
                QWidget* parent);
  ~PlayerChoices();

  const Options& options() const { return options_; }
  const GamePictures& pictures() const { return pictures_; }
  const MazeFiles& files() const { return files_; }

  // "Новая игра": the game "Старт!" asks for, remembered in the options with its pictures taken
  // in use; nothing when the dialog was cancelled.
  std::optional<NewGameRequest> newGame();
  // "Выбор героя", "Выбор стенки", "Выбор двери": true when the kind's picture changed.
  bool choosePicture(PictureKind kind);
  // Asks the chooser for each kind of picture still missing, as "Старт!" does; false when the
  // player cancels one (the pictures chosen before it are kept).
  bool completePictures();
  void usePictures(const GamePictures& pictures);

  // "Открыть": the maze of the file chosen, with every picture to draw it; nothing when the
  // dialog, the file or a chooser said no.
  std::optional<OpenedMaze> openMaze();
  // "Сохранить" and "Сохранить как...": true when the maze was written to the current file.
  bool saveMaze(bool saveAs, const Maze& maze);
  // An opened maze put in play: the options remember its size and that it is untimed; path
  // becomes the current file, empty for none.
  void playOpened(const Maze& maze, const std::string& path);
  // A new maze put in play: no file is current.
  void playNew();

  void writeOptions() const;

private:
  std::optional<QPixmap> askForPicture(PictureKind kind);

  GameFolders folders_;
  PictureFolders pictureFolders_;
  Options options_;
  Services& services_;
  ModalRunner& modals_;
  QWidget* parent_;
  GamePictures pictures_;
  MazeFiles files_;
  std::unique_ptr<NewGameDialog> newGame_; // hidden, not destroyed, after "Старт!"
};

} // namespace kvarnel
