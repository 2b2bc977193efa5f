// The playing field in its viewport: a framed box holding the field, the hero's box on it, the two
// scroll bars and the square between them.
#pragma once

#include "game/core/maze.h"
#include "game/core/way_search.h"
#include "game/view/field_geometry.h"
#include "front/pictures/embedded_pictures.h"
#include "front/pictures/game_pictures.h"
#include "game/view/window_layout.h"

#include <QFrame>
#include <QPoint>

class QScrollBar;

namespace kvarnel {

class FieldWidget;
class PausePanel;
class PictureLabel;

// The game as the field shows it. The pointers are read during FieldViewport::show only.
struct FieldScene {
  const Maze* maze = nullptr; // none: the title picture
  std::uint64_t drawing = 0;  // a new number draws the maze afresh from its top-left corner
  const FieldView* view = nullptr;
  const GamePictures* pictures = nullptr;
  const WayMarks* way = nullptr; // drawn over the maze; empty: none
  bool takesClicks = false;
  bool paused = false;
};

class FieldViewport : public QFrame {
  Q_OBJECT
public:
  explicit FieldViewport(QWidget* parent = nullptr);

  // The title picture, until the first maze.
  void showTitle(const VectorPicture& title);
  // Shows the scene, drawing anew only what changed. A new maze, new pictures or geometry paint
  // the field afresh and fit the scroll bars to it, back at 0; the field takes the focus when it
  // comes to take clicks.
  void show(const FieldScene& scene);
  // The field takes the keyboard when it takes clicks.
  void focusField();

  // Places the viewport, its bars and the title picture as the client area's layout says.
  void place(const WindowLayout& layout);
  ViewScroll scrollBars() const;
  // Scrolls to the values of the shown bars.
  void scrollTo(const ViewScroll& scroll);

signals:
  void pressed();
  // Where a button came up on the field, in field pixels.
  void released(QPointF position);
  // A click on the pause panel.
  void pauseClicked();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The wheel scrolls the field by the bars' small change: down and up, sideways with Shift or
  // a sideways wheel.
  void wheelEvent(QWheelEvent* event) override;

private:
  void showMaze(const FieldScene& scene);
  void moveHero(std::int32_t x, std::int32_t y);
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
  std::uint64_t drawing_ = 0;
  GamePictures pictures_;
  FieldGeometry geometry_;
  QSize titleSize_;
  PixelRect fieldRect_; // the whole field, in field pixels
  QPoint titleAt_;
  QPoint heroAt_;
  QPoint wheelRest_; // wheel turns short of a whole notch
};

} // namespace kvarnel
