// The playing field in its viewport.
#include "front/field/field_viewport.h"

#include "front/field/background.h"
#include "front/field/field_painter.h"
#include "front/field/field_widget.h"
#include "front/field/pause_panel.h"
#include "front/field/picture_label.h"
#include "front/field/scroll_bars.h"

#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

namespace kvarnel {
namespace {

int clampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, 0, std::numeric_limits<int>::max()));
}

} // namespace

FieldViewport::FieldViewport(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(boxFrameWidth);
  setBackground(this, QColor(224, 224, 224));
  inside_ = new QWidget(this);

  field_ = new FieldWidget(inside_);
  field_->setObjectName(QStringLiteral("picPole"));
  field_->setEnabled(false);
  field_->setFocusPolicy(Qt::StrongFocus); // the walking keys go to the field

  heroBox_ = new PictureLabel(field_);
  heroBox_->setObjectName(QStringLiteral("picGeroy"));
  setBackground(heroBox_, Qt::white);
  heroBox_->setFocusPolicy(Qt::NoFocus); // the hero box passes the focus on to the field
  heroBox_->installEventFilter(this);     // and takes no clicks: they must not reach the field
  heroBox_->hide();

  verticalBar_ = new QScrollBar(Qt::Vertical, inside_);
  verticalBar_->setObjectName(QStringLiteral("VScroll1"));
  horizontalBar_ = new QScrollBar(Qt::Horizontal, inside_);
  horizontalBar_->setObjectName(QStringLiteral("HScroll1"));
  for (QScrollBar* bar : {verticalBar_, horizontalBar_}) {
    bar->setFocusPolicy(Qt::NoFocus); // the bars never keep the focus
    bar->setCursor(Qt::ArrowCursor);
    bar->hide();
    // The field follows the bars, also while a bar is dragged.
    connect(bar, &QScrollBar::valueChanged, this, &FieldViewport::followBars);
    connect(bar, &QScrollBar::sliderMoved, this, &FieldViewport::followBars);
  }

  scrollCorner_ = new QWidget(inside_);
  scrollCorner_->setObjectName(QStringLiteral("PctrUgol"));
  setBackground(scrollCorner_, QColor(224, 224, 224));
  scrollCorner_->hide();

  pausePanel_ = new PausePanel(this);
  connect(field_, &FieldWidget::pressed, this, &FieldViewport::pressed);
  connect(field_, &FieldWidget::released, this, &FieldViewport::released);
  connect(pausePanel_, &PausePanel::clicked, this, &FieldViewport::pauseClicked);
}

void FieldViewport::showTitle(const VectorPicture& title) {
  titleSize_ = title.size();
  fieldRect_ = {0, 0, titleSize_.width(), titleSize_.height()};
  field_->showTitle(title);
  fitScrollBars();
}

void FieldViewport::show(const FieldScene& scene) {
  if (scene.maze != nullptr && (!mazeShown_ || scene.drawing != drawing_ || !(*scene.pictures == pictures_) ||
                                !(scene.view->geometry == geometry_)))
    showMaze(scene);
  if (!mazeShown_) return;
  if (!(*scene.way == field_->way())) field_->showWay(*scene.way);
  moveHero(scene.view->heroX, scene.view->heroY);
  const bool tookClicks = field_->isEnabled();
  field_->setEnabled(scene.takesClicks);
  heroBox_->setEnabled(scene.takesClicks);
  if (scene.takesClicks && !tookClicks) field_->setFocus();
  if (scene.paused) pausePanel_->raise();
  pausePanel_->setVisible(scene.paused);
}

void FieldViewport::focusField() {
  if (field_->isEnabled()) field_->setFocus();
}

// Paints the maze with the pictures from now on, puts the hero's box where the view has it, and
// fits the scroll bars to the field, back at 0.
void FieldViewport::showMaze(const FieldScene& scene) {
  const FieldGeometry& g = scene.view->geometry;
  mazeShown_ = true;
  drawing_ = scene.drawing;
  pictures_ = *scene.pictures;
  geometry_ = g;
  fieldRect_ = fieldRectOf(*scene.maze, g);
  heroBox_->resize(g.heroSize, g.heroSize);
  heroBox_->drawWith([g, hero = pictures_[PictureKind::Hero]](qreal ratio) { return heroBoxPicture(g, hero, ratio); });
  field_->showMaze(*scene.maze, g, pictures_[PictureKind::Wall], pictures_[PictureKind::Door]);
  field_->show();
  heroBox_->show();
  moveHero(scene.view->heroX, scene.view->heroY);
  fitScrollBars();
}

void FieldViewport::moveHero(std::int32_t x, std::int32_t y) {
  heroAt_ = {x, y};
  heroBox_->move(heroAt_ - field_->origin());
}

void FieldViewport::place(const WindowLayout& layout) {
  if (layout.titleLeftSet) titleAt_ = {layout.titleLeft, 0};
  const Rect& v = layout.viewport;
  setGeometry(v.x, v.y, v.width, v.height);
  inside_->setGeometry(contentsRect());
  verticalBar_->move(layout.verticalBarLeft, verticalBar_->y());
  horizontalBar_->move(horizontalBar_->x(), layout.horizontalBarTop);
  scrollCorner_->setGeometry(layout.corner.x, layout.corner.y, layout.corner.width, layout.corner.height);
  fitScrollBars();
}

// Before the first maze the widget is the title picture where the layout centres it; then it
// covers as much of the inside as the field does, up to the bars. Nothing of it lies under a
// bar: a widget moved within a sibling that a bar overlaps could be copied over that bar.
void FieldViewport::fitField() {
  if (!mazeShown_) {
    field_->setGeometry(QRect(titleAt_, titleSize_));
    return;
  }
  const int visibleWidth = inside_->width() - (verticalBar_->isHidden() ? 0 : scrollBarThickness);
  const int visibleHeight = inside_->height() - (horizontalBar_->isHidden() ? 0 : scrollBarThickness);
  field_->setGeometry(0, 0, clampToInt(std::min<std::int64_t>(fieldRect_.width, visibleWidth)),
                      clampToInt(std::min<std::int64_t>(fieldRect_.height, visibleHeight)));
}

void FieldViewport::fitScrollBars() {
  const ScrollBarsSetup s =
      setupScrollBars(fieldRect_.width, fieldRect_.height, inside_->width(), inside_->height());
  if (s.horizontal.shown)
    horizontalBar_->setGeometry(0, horizontalBar_->y(), s.horizontal.length, scrollBarThickness);
  if (s.vertical.shown) verticalBar_->setGeometry(verticalBar_->x(), 0, scrollBarThickness, s.vertical.length);
  fitScrollBar(*horizontalBar_, s.horizontal);
  fitScrollBar(*verticalBar_, s.vertical);
  scrollCorner_->setVisible(s.cornerShown);
  horizontalBar_->raise();
  verticalBar_->raise();
  scrollCorner_->raise();
  fitField();
  followBars();
}

void FieldViewport::followBars() {
  field_->setOrigin({horizontalBar_->value(), verticalBar_->value()});
  heroBox_->move(heroAt_ - field_->origin());
}

ViewScroll FieldViewport::scrollBars() const {
  auto state = [](const QScrollBar* bar) {
    return ScrollBarState{!bar->isHidden(), bar->value(), bar->maximum(), bar->pageStep()};
  };
  return {state(horizontalBar_), state(verticalBar_)};
}

void FieldViewport::scrollTo(const ViewScroll& scroll) {
  if (!verticalBar_->isHidden()) verticalBar_->setValue(scroll.vertical.value);
  if (!horizontalBar_->isHidden()) horizontalBar_->setValue(scroll.horizontal.value);
}

void FieldViewport::wheelEvent(QWheelEvent* event) {
  QPoint turn = event->angleDelta();
  if (turn.x() == 0 && (event->modifiers() & Qt::ShiftModifier)) turn = QPoint(turn.y(), 0);
  wheelRest_ += turn;
  constexpr int notch = 120; // one step of an ordinary wheel
  const QPoint notches(wheelRest_.x() / notch, wheelRest_.y() / notch);
  wheelRest_ -= notches * notch;
  // Turning the wheel away from the player (a positive turn) shows what is above or to the left.
  for (auto [bar, count] : {std::pair{horizontalBar_, notches.x()}, std::pair{verticalBar_, notches.y()}}) {
    if (count != 0 && !bar->isHidden()) bar->setValue(bar->value() - count * bar->singleStep());
  }
  event->accept();
}

bool FieldViewport::eventFilter(QObject* watched, QEvent* event) {
  if (watched == heroBox_) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return true;
    default: break;
    }
  }
  return QFrame::eventFilter(watched, event);
}

} // namespace kvarnel
