// The time bar.
#include "front/field/time_bar.h"

#include "game/core/colours.h"
#include "game/core/rounding.h"
#include "game/view/window_layout.h"
#include "front/field/background.h"

#include <QPainter>

namespace kvarnel {
namespace {

constexpr int fillBottom = 15; // the bar is filled from y 0 to 15, inclusive

} // namespace

std::int32_t timeBarRedExtent(std::int32_t viewWidth, float barPerSecond, std::int32_t secondsLeft) {
  // barPerSecond is kept in single precision; the product with the whole seconds is taken in
  // double, which holds it exactly, so the only rounding is the final one to whole pixels.
  const double elapsedLength = static_cast<double>(viewWidth) - static_cast<double>(barPerSecond) * secondsLeft;
  return roundHalfEven(elapsedLength);
}

TimeBar::TimeBar(QWidget* parent) : PictureBox(parent) {
  setObjectName(QStringLiteral("picTime"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(boxFrameWidth);
  setBackgroundColour(qtColour(colourGreen));
  setEnabled(false);
  hide();
}

void TimeBar::showTime(const TimedGame& timed, bool timeUp, std::int32_t viewWidth) {
  Fill fill{timeUp, !timeUp && timed.started(), 0, viewWidth, contentsRect().size()};
  if (fill.counted) fill.red = timeBarRedExtent(viewWidth, timed.barPerSecond, timed.secondsLeft);
  if (fill == shown_) return;
  shown_ = fill;
  setBackgroundColour(qtColour(timeUp ? colourRed : colourGreen));
  if (!fill.counted) return;
  QPainter painter(&canvas());
  painter.fillRect(QRect(QPoint(0, 0), QPoint(fill.red, fillBottom)), qtColour(colourRed));
  painter.fillRect(QRect(QPoint(fill.red + 1, 0), QPoint(fill.right, fillBottom)), qtColour(colourGreen));
  update();
}

} // namespace kvarnel
