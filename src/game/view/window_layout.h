// The main window's layout arithmetic: the time bar, the viewport, and which scroll bars it needs.
#pragma once

#include <cstdint>

namespace kvarnel {

inline constexpr int scrollBarThickness = 17;
inline constexpr int boxFrameWidth = 2; // the single-line frame of the viewport and the time bar
inline constexpr int timeBarHeight = 19;
inline constexpr int timeBarBand = 23; // the time bar and the gap below it
inline constexpr int titlePictureWidth = 300;
inline constexpr int smallestClientWidth = 300;

struct ScrollBarSetup {
  bool shown = false;
  int length = 0; // width of the horizontal bar, height of the vertical one
  int maximum = 0;
  int largeChange = 0;
  int smallChange = 0;
};

struct ScrollBarsSetup {
  ScrollBarSetup horizontal;
  ScrollBarSetup vertical;
  bool cornerShown = false;
};

struct ScrollBarsNeeded {
  bool horizontal = false;
  bool vertical = false;
};

// Which bars a field of fieldWidth x fieldHeight needs in a viewport of viewWidth x viewHeight.
// The height excess is tested before the horizontal bar is accounted for, and again after it.
ScrollBarsNeeded scrollBarsNeeded(std::int64_t fieldWidth, std::int64_t fieldHeight, std::int64_t viewportWidth,
                                  std::int64_t viewportHeight);

// A shown bar of the given length over a field extent: a page is the bar's length, a step half of it.
ScrollBarSetup scrollBarFor(std::int64_t fieldExtent, int length);

// The bars of the main window's viewport: each bar runs along its whole side, less the corner.
ScrollBarsSetup setupScrollBars(std::int64_t fieldWidth, std::int64_t fieldHeight, int viewportWidth,
                                int viewportHeight);

// One scroll bar of the view, as the window has it; value is the view's offset, page the length
// of the field in view along the bar.
struct ScrollBarState {
  bool visible = false;
  std::int32_t value = 0;
  std::int32_t maximum = 0;
  std::int32_t page = 0;
};

struct ViewScroll {
  ScrollBarState horizontal;
  ScrollBarState vertical;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct WindowLayoutInput {
  int clientWidth = 0;
  int clientHeight = 0;
  bool minimised = false;
  bool mazeShown = false;
  bool timedGame = false;
  int limitMinutes = 0;
  int limitSeconds = 0;
};

struct WindowLayout {
  bool skip = false;         // minimised: nothing changes
  bool widenWindow = false;  // the client is narrower than 300 pixels: widen the window first
  bool timeBarShown = false;
  Rect timeBar;              // meaningful when timeBarShown
  bool viewWidthSet = false; // viewWidth and barPerSecond change only while a maze is shown
  int viewWidth = 0;         // the viewport's inner width: also the time bar's inner width
  float barPerSecond = 0.0f; // meaningful in a timed game
  int viewHeight = 0;        // the viewport's inner height
  Rect viewport;             // frame included
  int verticalBarLeft = 0;   // the bars and the corner lie inside the viewport's frame
  int horizontalBarTop = 0;
  Rect corner;
  bool titleLeftSet = false; // no maze yet: the title picture is centred
  int titleLeft = 0;
};

// The layout of the main window's client area. Sizes that would come out negative in a window
// too small for the bars are clamped at 0.
WindowLayout layOutWindow(const WindowLayoutInput& in);

} // namespace kvarnel
