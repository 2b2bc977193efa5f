// The new-game dialog: maze size, pictures and time limit, then "Старт!".
#pragma once

#include "game/core/options.h"
#include "game/core/platform.h"
#include "front/pictures/picture_folders.h"
#include "game/play/new_game_request.h"

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

class NewGameDialog : public QDialog {
  Q_OBJECT
public:
  // Fills the entries from the options. Pictures chosen in the dialog are remembered in the
  // options at once, whatever becomes of the dialog.
  NewGameDialog(Options& options, PictureFolders pictureFolders, MessageBoxes& messages, ModalRunner& modals,
                QWidget* parent = nullptr);

  // The game "Старт!" asked for, once: the dialog is then hidden, not closed, and shows its
  // entries as they were left the next time. Nothing after "Отмена" or the close box.
  std::optional<NewGameRequest> takeRequest() { return std::exchange(request_, std::nullopt); }
  // The dialog was closed by "Отмена" or its close box: it starts afresh next time.
  bool unloaded() const { return unloaded_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

private:
  void createControls();
  void fillEntries();
  void showPicture(PictureKind kind, const QPixmap& picture);
  void enableTimeEntries();
  void choosePicture(PictureKind kind);
  void start();

  Options& options_;
  PictureFolders pictureFolders_;
  MessageBoxes& messages_;
  ModalRunner& modals_;
  std::optional<NewGameRequest> request_;
  bool unloaded_ = false;

  QLineEdit* widthEntry_ = nullptr;
  QLineEdit* heightEntry_ = nullptr;
  std::array<QLabel*, 3> previews_{};
  QCheckBox* timedBox_ = nullptr;
  QComboBox* minutesEntry_ = nullptr;
  QComboBox* secondsEntry_ = nullptr;
};

} // namespace kvarnel
