// The new-game dialog: maze size, pictures and time limit, then "Старт!".
#pragma once

#include "core/game_state.h"
#include "core/platform.h"
#include "windows/frm_select.h"
#include "windows/game_window.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvarnel {

class ModalRunner;

class frmNew : public QDialog {
  Q_OBJECT
public:
  // Loads the fields from the shared settings.
  frmNew(GameState& state, Services& services, ModalRunner& modals, GameWindow& window,
         QWidget* parent = nullptr);

  void chTime_Click();
  // Opens the picture chooser for a kind (0 hero, 1 wall, 2 door).
  void Command1_Click(int index);
  // "Старт!": checks the entries, stores them and starts the new maze in the main window.
  void kOK_Click();
  // The dialog was closed by "Отмена" or its close box: it starts afresh next time.
  bool unloaded() const { return unloaded_; }

  QLabel* lblPoleWidth = nullptr;
  QLineEdit* txtPoleWidth = nullptr;
  QLabel* lblPoleHeight = nullptr;
  QLineEdit* txtPoleHeight = nullptr;
  QLabel* picGeroy = nullptr;
  QLabel* picStenka = nullptr;
  QLabel* picDveri = nullptr;
  std::array<QPushButton*, 3> Command1{};
  QCheckBox* chTime = nullptr;
  QComboBox* txtMin = nullptr;
  QComboBox* txtSec = nullptr;
  QPushButton* kOK = nullptr;
  QPushButton* kNO = nullptr;

  static constexpr const char* noTimeMessage = "Вы не установили время игры";
  static constexpr const char* longTimeMessage = "Максимальное количество секунд - 59";
  static const char* const tooLargeMessage;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

private:
  void createControls();
  void Form_Load();
  PictureTargets previews() const;

  GameState& state_;
  Services& services_;
  ModalRunner& modals_;
  GameWindow& window_;
  bool unloaded_ = false;
};

} // namespace kvarnel
