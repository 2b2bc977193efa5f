// The new-game dialog: maze size, pictures and time limit, then "Старт!".
#pragma once

#include "game/core/options.h"
#include "game/core/platform.h"
#include "game/play/new_game_request.h"
#include "front/pictures/game_pictures.h"

#include <QDialog>

#include <array>
#include <optional>
#include <string>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace kvarnel {

class ModalRunner;

// The game "Старт!" asks for, with the pictures of the remembered names; a kind whose picture
// did not load has none here, and the game keeps the one it has.
struct NewGameChoice {
  NewGameRequest request;
  GamePictures pictures;
};

class NewGameDialog : public QDialog {
  Q_OBJECT
public:
  // Fills the entries from the options and the previews from the remembered picture names; a
  // name whose picture does not load is forgotten.
  NewGameDialog(const Options& options, PictureFolders pictureFolders, MessageBoxes& messages, ModalRunner& modals,
                QWidget* parent = nullptr);

  // Before it is shown again: its entries and previews stay as they were left, but the
  // remembered names are the options' as they are now (pictures chosen from the menu since).
  void takeNames(const Options& options);
  // The kind's remembered picture name as the dialog leaves it: chosen or forgotten in it,
  // whatever becomes of the dialog.
  const std::string& pictureName(PictureKind kind) const { return names_[kindIndex(kind)]; }
  // The game "Старт!" asked for, once: the dialog is then hidden, not closed, and shows its
  // entries as they were left the next time. Nothing after "Отмена" or the close box.
  std::optional<NewGameChoice> takeChoice() { return std::exchange(choice_, std::nullopt); }
  // The dialog was closed by "Отмена" or its close box: it starts afresh next time.
  bool unloaded() const { return unloaded_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

private:
  void createControls();
  void fillEntries(const Options& options);
  void showPicture(PictureKind kind, const QPixmap& picture, const std::string& name);
  GamePictures picturesOfNames();
  void enableTimeEntries();
  void choosePicture(PictureKind kind);
  void start();

  PictureFolders pictureFolders_;
  MessageBoxes& messages_;
  ModalRunner& modals_;
  std::array<std::string, 3> names_;        // the remembered picture names, by kind
  std::array<std::string, 3> previewNames_; // the names the previews were loaded from
  std::optional<NewGameChoice> choice_;
  bool unloaded_ = false;

  QLineEdit* widthEntry_ = nullptr;
  QLineEdit* heightEntry_ = nullptr;
  std::array<QLabel*, 3> previews_{};
  QCheckBox* timedBox_ = nullptr;
  QComboBox* minutesEntry_ = nullptr;
  QComboBox* secondsEntry_ = nullptr;
};

} // namespace kvarnel
