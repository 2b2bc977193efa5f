// The playing field in its viewport: a framed box holding the field, the hero's box on it, the two
// scroll bars and the square between them.
#pragma once

#include "game/core/maze.h"
#include "game/view/field_geometry.h"
#include "front/pictures/game_pictures.h"
#include "game/view/window_layout.h"

#include <QFrame>
#include <QPoint>

class QScrollBar;

namespace kvarnel {

class FieldWidget;
class PausePanel;
class PictureLabel;

class FieldViewport : public QFrame {
public:
  explicit FieldViewport(QWidget* parent = nullptr);

  FieldWidget& field() { return *field_; }

  // The title picture, until the first maze.
  void showTitle(const QPixmap& title);
  // Paints the maze with the pictures from now on, puts the hero's box where the view has it,
  // and fits the scroll bars to the field, back at 0.
  void showMaze(const Maze& maze, const FieldView& view, const GamePictures& pictures);
  // The hero's box to (x, y) of the field.
  void moveHero(std::int32_t x, std::int32_t y);
  // The field and the hero's box take clicks, or both act locked.
  void setTakesClicks(bool takes);

  // Places the viewport, its bars and the title picture as the client area's layout says.
  void place(const WindowLayout& layout);
  ViewScroll scrollBars() const;
  // Scrolls to the values of the shown bars.
  void scrollTo(const ViewScroll& scroll);

  // The pause panel covers the viewport, or is gone; a click on it is its clicked().
  void showPaused(bool paused);
  PausePanel& pausePanel() { return *pausePanel_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The wheel scrolls the field by the bars' small change: down and up, sideways with Shift or
  // a sideways wheel.
  void wheelEvent(QWheelEvent* event) override;

private:
  void fitField();
  void fitScrollBars();
  void followBars();

  QWidget* inside_ = nullptr; // the frame's inside: what the field and bars are placed and cut in
  FieldWidget* field_ = nullptr;
  PictureLabel* heroBox_ = nullptr;
  QScrollBar* verticalBar_ = nullptr;
  QScrollBar* horizontalBar_ = nullptr;
  QWidget* scrollCorner_ = nullptr;
  PausePanel* pausePanel_ = nullptr;
  bool mazeShown_ = false;
  QSize titleSize_;
  PixelRect fieldRect_; // the whole field, in field pixels
  QPoint titleAt_;
  QPoint heroAt_;
  QPoint wheelRest_; // wheel turns short of a whole notch
};

} // namespace kvarnel
