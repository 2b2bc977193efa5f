// The player's choices.
#include "front/window/player_choices.h"

#include "game/files/options_file_format.h"
#include "front/dialogs/modal_runner.h"
#include "front/dialogs/new_game_dialog.h"
#include "front/dialogs/picture_chooser.h"

namespace kvarnel {

PlayerChoices::PlayerChoices(const GameFolders& folders, Options options, Services& services, ModalRunner& modals,
                             QWidget* parent)
    : folders_(folders), pictureFolders_{folders.data, folders.userData}, options_(std::move(options)),
      services_(services), modals_(modals), parent_(parent),
      pictures_(loadRememberedPictures(pictureFolders_, options_)) {
  files_.dialogFolder = folders.mazes;
}

PlayerChoices::~PlayerChoices() = default;

std::optional<NewGameRequest> PlayerChoices::newGame() {
  if (!newGame_)
    newGame_ = std::make_unique<NewGameDialog>(options_, pictureFolders_, services_.messages, modals_, parent_);
  else
    newGame_->takeNames(options_);
  modals_.run(*newGame_);
  for (PictureKind kind : pictureKinds) rememberedPicture(options_, kind) = newGame_->pictureName(kind);
  std::optional<NewGameChoice> choice = newGame_->takeChoice();
  if (newGame_->unloaded()) newGame_.reset();
  if (!choice) return std::nullopt;
  rememberNewGame(options_, choice->request);
  for (PictureKind kind : pictureKinds)
    if (!choice->pictures[kind].isNull()) pictures_[kind] = choice->pictures[kind];
  return choice->request;
}

bool PlayerChoices::choosePicture(PictureKind kind) {
  const std::optional<QPixmap> chosen = askForPicture(kind);
  if (chosen) pictures_[kind] = *chosen;
  return chosen.has_value();
}

// The chooser's picture; the kind's remembered name follows the chooser.
std::optional<QPixmap> PlayerChoices::askForPicture(PictureKind kind) {
  const ChooserOutcome outcome = kvarnel::askForPicture(kind, pictureFolders_, services_.messages, modals_, parent_);
  if (outcome.rememberedName) rememberedPicture(options_, kind) = *outcome.rememberedName;
  return outcome.picture;
}

bool PlayerChoices::completePictures() {
  for (PictureKind kind : pictureKinds) {
    if (pictures_[kind].isNull() && !choosePicture(kind)) return false;
  }
  return true;
}

void PlayerChoices::usePictures(const GamePictures& pictures) { pictures_ = pictures; }

std::optional<OpenedMaze> PlayerChoices::openMaze() {
  std::optional<OpenedMaze> opened = openMazeCommand(files_, services_);
  if (!opened || !completePictures()) return std::nullopt;
  return opened;
}

bool PlayerChoices::saveMaze(bool saveAs, const Maze& maze) { return saveMazeCommand(saveAs, maze, files_, services_); }

void PlayerChoices::playOpened(const Maze& maze, const std::string& path) {
  options_.roomsAcross = maze.roomsAcross;
  options_.roomsDown = maze.roomsDown;
  options_.timedGame = 0;
  files_.mazeFilePath = path;
}

void PlayerChoices::playNew() { files_.mazeFilePath.clear(); }

void PlayerChoices::writeOptions() const { writeGameOptions(folders_, options_); }

} // namespace kvarnel
