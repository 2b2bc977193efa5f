// The picture chooser: the files of one kind's folder with a scrolling real-size preview.
#pragma once

#include "game/core/platform.h"
#include "front/pictures/game_pictures.h"

#include <QDialog>

#include <optional>
#include <string>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace kvarnel {

class ModalRunner;

// The picture taken with "Выбрать", and the kind's remembered name after the chooser: the
// picture's, "" when a picture failed to load on "Выбрать" and none was taken after it, nothing
// when it stays as it was (a cancelled chooser).
struct ChooserOutcome {
  std::optional<QPixmap> picture;
  std::optional<std::string> rememberedName;
};

class PictureChooser : public QDialog {
  Q_OBJECT
public:
  // Lists the pictures of the kind's folders, the player's own and the game's, as one list.
  PictureChooser(PictureKind kind, PictureFolders folders, MessageBoxes& messages, QWidget* parent = nullptr);

  // What became of the kind's picture once the chooser has closed.
  ChooserOutcome outcome() const;

private:
  void createControls();
  void listPictures();
  void previewSelected();
  void fitPreviewScrollBars();
  void movePreview();
  void choose();

  PictureKind kind_;
  PictureFolders folders_;
  MessageBoxes& messages_;
  ChooserOutcome outcome_;

  QListWidget* files_ = nullptr;
  QFrame* previewArea_ = nullptr;
  QLabel* preview_ = nullptr;
  QScrollBar* verticalBar_ = nullptr;
  QScrollBar* horizontalBar_ = nullptr;
  QWidget* scrollCorner_ = nullptr;
  QPushButton* chooseButton_ = nullptr;
};

// The caption of the chooser and of its menu item for a kind.
QString chooserCaption(PictureKind kind);

// Shows the chooser for the kind over parent and returns what became of the kind's picture.
ChooserOutcome askForPicture(PictureKind kind, const PictureFolders& folders, MessageBoxes& messages,
                             ModalRunner& modals, QWidget* parent);

} // namespace kvarnel
