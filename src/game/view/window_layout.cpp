// The main window's layout arithmetic.
#include "game/view/window_layout.h"

#include "game/core/rounding.h"

#include <algorithm>
#include <limits>

namespace kvarnel {
namespace {

int clampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

} // namespace

ScrollBarSetup scrollBarFor(std::int64_t fieldExtent, int length) {
  ScrollBarSetup bar;
  bar.shown = true;
  bar.length = std::max(0, length);
  bar.largeChange = bar.length;
  bar.maximum = clampToInt(std::max<std::int64_t>(0, fieldExtent - bar.length));
  bar.smallChange = bar.length / 2;
  return bar;
}

ScrollBarsNeeded scrollBarsNeeded(std::int64_t fieldWidth, std::int64_t fieldHeight, std::int64_t viewportWidth,
                                  std::int64_t viewportHeight) {
  std::int64_t dW = fieldWidth - viewportWidth;
  std::int64_t dH = fieldHeight - viewportHeight;
  if (dH > 0) dW += scrollBarThickness;
  ScrollBarsNeeded need;
  need.horizontal = dW > 0;
  if (need.horizontal) dH += scrollBarThickness;
  need.vertical = dH > 0;
  return need;
}

ScrollBarsSetup setupScrollBars(std::int64_t fieldWidth, std::int64_t fieldHeight, int viewportWidth,
                                int viewportHeight) {
  const ScrollBarsNeeded need = scrollBarsNeeded(fieldWidth, fieldHeight, viewportWidth, viewportHeight);
  ScrollBarsSetup s;
  if (need.horizontal)
    s.horizontal = scrollBarFor(fieldWidth, need.vertical ? viewportWidth - scrollBarThickness : viewportWidth);
  if (need.vertical)
    s.vertical = scrollBarFor(fieldHeight, need.horizontal ? viewportHeight - scrollBarThickness : viewportHeight);
  s.cornerShown = need.horizontal && need.vertical;
  return s;
}

WindowLayout layOutWindow(const WindowLayoutInput& in) {
  WindowLayout out;
  if (in.minimised) {
    out.skip = true;
    return out;
  }
  out.widenWindow = in.clientWidth < smallestClientWidth;
  int top = 0;
  if (in.mazeShown) {
    out.viewWidthSet = true;
    out.viewWidth = std::max(0, in.clientWidth - 2 * boxFrameWidth);
    if (in.timedGame) {
      out.timeBarShown = true;
      out.timeBar = {0, 0, std::max(0, in.clientWidth), timeBarHeight};
      const std::int64_t limit = std::int64_t{in.limitMinutes} * 60 + in.limitSeconds;
      out.barPerSecond = limit > 0 ? static_cast<float>(out.viewWidth) / static_cast<float>(limit) : 0.0f;
      top = timeBarBand;
    }
  } else {
    out.titleLeftSet = true;
    out.titleLeft = std::max(0, roundHalfEven((in.clientWidth - titlePictureWidth) / 2.0));
  }
  out.viewport = {0, top, std::max(0, in.clientWidth), std::max(0, in.clientHeight - top)};
  const int innerWidth = std::max(0, out.viewport.width - 2 * boxFrameWidth);
  out.viewHeight = std::max(0, out.viewport.height - 2 * boxFrameWidth);
  out.verticalBarLeft = std::max(0, innerWidth - scrollBarThickness);
  out.horizontalBarTop = std::max(0, out.viewHeight - scrollBarThickness);
  out.corner = {out.verticalBarLeft, out.horizontalBarTop, scrollBarThickness, scrollBarThickness};
  return out;
}

} // namespace kvarnel
