// The end window: "СВОБОДА!!!" or "ВЫ НЕ УСПЕЛИ!!!" in letters that jump.
#pragma once

#include "game/core/clock.h"
#include "game/play/end_message.h"

#include <QDialog>

#include <string>
#include <vector>

class QTimer;

namespace kvarnel {

class PictureBox;

class EndOfGameWindow : public QDialog {
  Q_OBJECT
public:
  EndOfGameWindow(GameEnd end, Clock& clock, QWidget* parent = nullptr);

  const EndWindowText& text() const { return text_; }

  // One tick of the animation: every letter at a new random height, over its shadow.
  void jumpLetters();

private:
  void placeMessage();

  Clock& clock_;
  EndWindowText text_;
  std::vector<std::string> letters_;
  std::vector<double> advances_;
  PictureBox* message_ = nullptr;
  QTimer* letterTimer_ = nullptr;
};

} // namespace kvarnel
