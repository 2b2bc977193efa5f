// The picture chooser: the files of one kind's folder with a scrolling real-size preview.
#pragma once

#include "core/game_state.h"
#include "core/platform.h"
#include "windows/game_window.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace kvarnel {

using PictureTargets = std::array<PictureTarget, 3>;

class frmSelect : public QDialog {
  Q_OBJECT
public:
  // The kind is dialogArg. An accepted picture goes to the main window's store of the kind when
  // chooserFromMenu is 1, to dialogPreviews (the new-game dialog's) otherwise.
  frmSelect(GameState& state, MessageBoxes& messages, GameWindow& window,
            const PictureTargets& dialogPreviews = {}, QWidget* parent = nullptr);

  // Fits the scroll bars to the picture in the preview.
  void ProkrutkaStenki();
  // "Выбрать".
  void kOK_Click();

  QListWidget* File1 = nullptr;
  QFrame* picControl = nullptr;
  QLabel* picPole = nullptr;
  QScrollBar* VScroll1 = nullptr;
  QScrollBar* HScroll1 = nullptr;
  QWidget* PctrUgol = nullptr;
  QPushButton* kOK = nullptr;
  QPushButton* kNO = nullptr;

private:
  void createControls();
  void fillList();
  void File1_Click();
  void movePreview();

  GameState& state_;
  MessageBoxes& messages_;
  GameWindow& window_;
  PictureTargets dialogPreviews_;
  PictureKind kind_;
};

// The caption of the chooser and of its menu item for a kind.
QString chooserCaption(PictureKind kind);

} // namespace kvarnel
