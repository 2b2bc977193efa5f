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

class PictureChooser : public QDialog {
  Q_OBJECT
public:
  // Lists the pictures of the kind's folders, the player's own and the game's, as one list.
  PictureChooser(PictureKind kind, PictureFolders folders, MessageBoxes& messages, QWidget* parent = nullptr);

  // The picture taken with "Выбрать"; nothing when the chooser was cancelled.
  const std::optional<Picture>& chosen() const { return chosen_; }
  // The kind's remembered name after the chooser closed: the chosen picture's; none when a
  // picture failed to load on "Выбрать" and none was taken after it; otherwise as it was.
  void updateRememberedName(std::string& name) const;

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
  std::optional<Picture> chosen_;
  bool loadFailed_ = false;

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

} // namespace kvarnel
