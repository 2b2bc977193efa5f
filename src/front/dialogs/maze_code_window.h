// The window "Код лабиринта": the code of the maze in play, selected in a read-only field, with a
// button that puts it on the clipboard.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kvarnel {

class MazeCodeWindow : public QDialog {
  Q_OBJECT
public:
  MazeCodeWindow(const QString& code, QWidget* parent = nullptr);

private:
  void copy();

  QLineEdit* code_ = nullptr;
};

} // namespace kvarnel
