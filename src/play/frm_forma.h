// The main window: the playing field in its scrolling viewport, the time bar, the picture
// stores, the game's timers and the main menu.
#pragma once

#include "core/game_state.h"
#include "core/platform.h"
#include "view/field_geometry.h"

#include <QLabel>
#include <QMainWindow>

#include <array>

class QAction;
class QMenu;
class QScrollBar;
class QTimer;

namespace kvarnel {

class FieldWidget;
class ModalRunner;
class PictureBox;

class frmForma : public QMainWindow {
  Q_OBJECT
public:
  frmForma(GameState& state, Services& services, ModalRunner& modals);
  ~frmForma() override;

  GameState& state() { return state_; }
  Services& services() { return services_; }
  ModalRunner& modals() { return modals_; }

  // A new maze of mazeWidth x mazeHeight rooms, drawn, with the clock started in a timed game.
  // Returns false, changing nothing, for a size the game cannot make.
  bool SqrOutputMaze();
  // Paints the maze in play into the field and puts the hero box over the hero's room.
  void DrawMaze();
  // Lays out the client area: time bar, viewport, scroll bars.
  void Form_Resize();
  void SetupScrollBars();
  // Writes the options; runs when the window closes.
  void Form_Unload();

  // Sets the caption: "Кварнель", or "Кварнель - [name]" for the current maze file.
  void setFileCaption(const std::string& path);

  // The controls, named as designed.
  QWidget* client = nullptr;
  QWidget* picControl = nullptr;
  FieldWidget* picPole = nullptr;
  QLabel* picGeroy = nullptr;
  QScrollBar* VScroll1 = nullptr;
  QScrollBar* HScroll1 = nullptr;
  QWidget* PctrUgol = nullptr;
  PictureBox* picTime = nullptr;
  QLabel* picStenka = nullptr;
  QLabel* picDveri = nullptr;
  QLabel* picGeroy1 = nullptr;
  QLabel* picVostrel = nullptr;
  QTimer* tmrStep = nullptr;
  QTimer* tmrTimer = nullptr;
  QTimer* tmrPobeda = nullptr;
  QMenu* Menu = nullptr;
  QMenu* Help = nullptr;
  QAction* MenuNew = nullptr;
  std::array<QAction*, 3> MenuSel{};
  QAction* MenuOpen = nullptr;
  QAction* MenuSave = nullptr;
  QAction* MenuSaveAs = nullptr;
  QAction* MenuExit = nullptr;
  QAction* HelpCallHelp = nullptr;
  QAction* HelpAbout = nullptr;

signals:
  // The window has been unloaded: the program ends.
  void closed();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void createControls();
  void createTimers();
  void createMenu();
  void connectScrollBars();
  void setSaveItemsEnabled(bool enabled);

  GameState& state_;
  Services& services_;
  ModalRunner& modals_;
  bool unloaded_ = false;
};

// The file-name part of a path: after its last "\" or "/".
std::string fileNameOf(const std::string& path);

} // namespace kvarnel
