// The end window: "СВОБОДА!!!" or "ВЫ НЕ УСПЕЛИ!!!" in letters that jump.
#pragma once

#include "core/clock.h"
#include "play/end_message.h"

#include <QDialog>

#include <string>
#include <vector>

class QPushButton;
class QTimer;

namespace kvarnel {

class PictureBox;

class frmEnd : public QDialog {
  Q_OBJECT
public:
  // dialogArg 0: the hero got out; 1: the time ran out.
  frmEnd(std::int32_t dialogArg, Clock& clock, QWidget* parent = nullptr);

  // One tick of the animation: every letter at a new random height, over its shadow.
  void Timer1_Timer();

  PictureBox* Picture1 = nullptr;
  QPushButton* OK = nullptr;
  QTimer* Timer1 = nullptr;

  const EndWindowText& text() const { return text_; }

private:
  void Form_Load();

  Clock& clock_;
  EndWindowText text_;
  std::vector<std::string> letters_;
  std::vector<double> advances_;
};

} // namespace kvarnel
