// The window before "Печать..." and "Экспорт...": which look the maze goes on paper in, and
// whether the way to the door is drawn.
#pragma once

#include "front/paper/maze_sheet.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QRadioButton;

namespace kvarnel {

enum class PaperUse { Print, Export };

struct PaperChoice {
  PaperLook look = PaperLook::Lines;
  bool withWay = false;
};

class PaperWindow : public QDialog {
  Q_OBJECT
public:
  PaperWindow(PaperUse use, QWidget* parent = nullptr);

  // The choice confirmed with "OK" or Enter; nothing after "Отмена", Escape or the close box.
  std::optional<PaperChoice> choice() const;

private:
  QRadioButton* lines_ = nullptr;
  QCheckBox* way_ = nullptr;
};

} // namespace kvarnel
