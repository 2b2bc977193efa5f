// The main window: the playing field in its scrolling viewport, the time bar, the picture
// stores, the game's timers and the main menu.
#pragma once

#include "core/game_state.h"
#include "core/platform.h"
#include "files/maze_file_commands.h"
#include "play/hero_walk.h"
#include "view/field_geometry.h"
#include "windows/game_window.h"

#include <QLabel>
#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QMenu;
class QScrollBar;
class QTimer;

namespace kvarnel {

class FieldWidget;
class ModalRunner;
class PictureBox;
class frmNew;

class frmForma : public QMainWindow, public GameWindow, public MazeFileWindow {
  Q_OBJECT
public:
  frmForma(GameState& state, Services& services, ModalRunner& modals);
  ~frmForma() override;

  GameState& state() { return state_; }
  Services& services() { return services_; }
  ModalRunner& modals() { return modals_; }

  // A new maze of mazeWidth x mazeHeight rooms, drawn, with the clock started in a timed game.
  // Returns false, changing nothing, for a size the game cannot make.
  bool SqrOutputMaze() override;
  // Paints the maze in play into the field and puts the hero box over the hero's room.
  void DrawMaze() override;
  // Lays out the client area: time bar, viewport, scroll bars.
  void Form_Resize();
  void SetupScrollBars();
  // Writes the options; runs when the window closes.
  void Form_Unload();

  // Sets the caption: "Кварнель", or "Кварнель - [name]" for the current maze file.
  void setFileCaption(const std::string& path) override;
  void setSaveItemsEnabled(bool enabled) override;
  PictureTarget pictureStore(PictureKind kind) override;
  void showOpenedMaze() override;

  const PlaySession& play() const { return play_; }

  // The field's mouse, the hero's walk and the clocks. The QTimers only call these.
  void picPole_MouseDown();
  void picPole_MouseUp(QPointF at);
  void tmrStep_Timer();
  void tmrTimer_Timer();
  void tmrPobeda_Timer();

  // The menu commands.
  void MenuNew_Click();
  void MenuSel_Click(int index);
  void HelpCallHelp_Click();
  void HelpAbout_Click();

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
  void connectMenu();
  void setHeroTakesClicks(bool takes);
  void applyScroll(const ViewScroll& scroll);
  void paintTimeBar(std::int32_t redExtent);
  void showEnd(std::int32_t dialogArg);

  GameState& state_;
  Services& services_;
  ModalRunner& modals_;
  PlaySession play_;
  std::unique_ptr<frmNew> newGame_; // hidden, not destroyed, after "Старт!"
  bool endShown_ = false;
  bool unloaded_ = false;
};

} // namespace kvarnel
