// The window "Лабиринт по коду": asks for a maze code and takes it only when it is one.
#pragma once

#include "game/core/maze_code.h"
#include "game/core/platform.h"

#include <QDialog>

#include <optional>

class QLineEdit;

namespace kvarnel {

class CodeEntryDialog : public QDialog {
  Q_OBJECT
public:
  CodeEntryDialog(MessageBoxes& messages, QWidget* parent = nullptr);

  // The code confirmed with "OK" or Enter; nothing after "Отмена", Escape or the close box.
  const std::optional<MazeCode>& code() const { return code_; }

private:
  void confirm();

  MessageBoxes& messages_;
  std::optional<MazeCode> code_;
  QLineEdit* entry_ = nullptr;
};

} // namespace kvarnel
