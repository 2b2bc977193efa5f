// The time bar of a timed game: red for the seconds gone, green for those left.
#pragma once

#include "game/play/game_session.h"
#include "front/field/picture_box.h"

#include <cstdint>

namespace kvarnel {

// The red part of the bar with secondsLeft to go: viewWidth - barPerSecond x secondsLeft,
// rounded half to even. Red covers x 0..redExtent, green redExtent + 1..viewWidth.
std::int32_t timeBarRedExtent(std::int32_t viewWidth, float barPerSecond, std::int32_t secondsLeft);

class TimeBar : public PictureBox {
  Q_OBJECT
public:
  explicit TimeBar(QWidget* parent = nullptr);

  // All green until the clock has counted a second, then red for the seconds gone and green for
  // those left over the bar's viewWidth; all red once the time is up.
  void showTime(const TimedGame& timed, bool timeUp, std::int32_t viewWidth);

private:
  struct Fill {
    bool timeUp = false;
    bool counted = false;
    std::int32_t red = 0;
    std::int32_t right = 0;
    QSize size;
    bool operator==(const Fill&) const = default;
  };
  Fill shown_;
};

} // namespace kvarnel
