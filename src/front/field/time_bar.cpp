// The time bar.
#include "front/field/time_bar.h"

#include "game/core/colours.h"
#include "front/field/background.h"
#include "game/view/window_layout.h"

#include <QPainter>

namespace kvarnel {
namespace {

constexpr int fillBottom = 15; // the bar is filled from y 0 to 15, inclusive

} // namespace

TimeBar::TimeBar(QWidget* parent) : PictureBox(parent) {
  setObjectName(QStringLiteral("picTime"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(boxFrameWidth);
  reset();
  setEnabled(false);
  hide();
}

void TimeBar::showSeconds(int red, int right) {
  QPainter painter(&canvas());
  painter.fillRect(QRect(QPoint(0, 0), QPoint(red, fillBottom)), qtColour(colourRed));
  painter.fillRect(QRect(QPoint(red + 1, 0), QPoint(right, fillBottom)), qtColour(colourGreen));
  update();
}

void TimeBar::reset() { setBackgroundColour(qtColour(colourGreen)); }

void TimeBar::showTimeUp() { setBackgroundColour(qtColour(colourRed)); }

} // namespace kvarnel
