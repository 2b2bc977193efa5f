// The time bar of a timed game: red for the seconds gone, green for those left.
#pragma once

#include "front/field/picture_box.h"

namespace kvarnel {

class TimeBar : public PictureBox {
  Q_OBJECT
public:
  explicit TimeBar(QWidget* parent = nullptr);

  // Red over x 0..red, green over red + 1..right, of the bar's inside.
  void showSeconds(int red, int right);
  // Green all over: a new game.
  void reset();
  // Red all over: the time is up.
  void showTimeUp();
};

} // namespace kvarnel
