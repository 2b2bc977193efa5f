// The playing field in its viewport.
#include "view/field_viewport.h"

#include "view/background.h"
#include "view/field_painter.h"
#include "view/field_widget.h"
#include "view/pause_panel.h"
#include "view/scroll_bars.h"

#include <QEvent>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

namespace kvarnel {

FieldViewport::FieldViewport(QWidget* parent) : QWidget(parent) {
  setBackground(this, QColor(224, 224, 224));
  field_ = new FieldWidget(this);
  field_->setObjectName(QStringLiteral("picPole"));
  field_->setEnabled(false);
  field_->setFocusPolicy(Qt::StrongFocus); // the walking keys go to the field

  heroBox_ = new QLabel(field_);
  heroBox_->setObjectName(QStringLiteral("picGeroy"));
  heroBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackground(heroBox_, Qt::white);
  heroBox_->setFocusPolicy(Qt::NoFocus); // the hero box passes the focus on to the field
  heroBox_->installEventFilter(this);     // and takes no clicks: they must not reach the field
  heroBox_->hide();

  verticalBar_ = new QScrollBar(Qt::Vertical, this);
  verticalBar_->setObjectName(QStringLiteral("VScroll1"));
  horizontalBar_ = new QScrollBar(Qt::Horizontal, this);
  horizontalBar_->setObjectName(QStringLiteral("HScroll1"));
  for (QScrollBar* bar : {verticalBar_, horizontalBar_}) {
    bar->setFocusPolicy(Qt::NoFocus); // the bars never keep the focus
    bar->setCursor(Qt::ArrowCursor);
    bar->hide();
  }
  // The field follows the bars, also while a bar is dragged.
  auto followH = [this](int value) { field_->move(-value, field_->y()); };
  auto followV = [this](int value) { field_->move(field_->x(), -value); };
  connect(horizontalBar_, &QScrollBar::valueChanged, this, followH);
  connect(horizontalBar_, &QScrollBar::sliderMoved, this, followH);
  connect(verticalBar_, &QScrollBar::valueChanged, this, followV);
  connect(verticalBar_, &QScrollBar::sliderMoved, this, followV);

  scrollCorner_ = new QWidget(this);
  scrollCorner_->setObjectName(QStringLiteral("PctrUgol"));
  setBackground(scrollCorner_, QColor(224, 224, 224));
  scrollCorner_->hide();

  pausePanel_ = new PausePanel(this);
}

void FieldViewport::showTitle(const QPixmap& title) {
  field_->setGeometry(QRect(QPoint(0, 0), title.size()));
  field_->showTitle(title);
}

void FieldViewport::showMaze(const Maze& maze, const FieldView& view, const GamePictures& pictures) {
  const FieldGeometry& g = view.geometry;
  heroBox_->setGeometry(view.heroX, view.heroY, g.heroSize, g.heroSize);
  heroBox_->setPixmap(heroBoxPicture(g, pictures.pixmap(PictureKind::Hero)));
  const PixelRect field = fieldRectOf(maze, g);
  field_->setGeometry(0, 0, static_cast<int>(field.width), static_cast<int>(field.height));
  field_->showMaze(maze, g, pictures.pixmap(PictureKind::Wall), pictures.pixmap(PictureKind::Door));
  field_->show();
  heroBox_->show();
  fitScrollBars();
}

void FieldViewport::moveHero(std::int32_t x, std::int32_t y) { heroBox_->move(x, y); }

void FieldViewport::setTakesClicks(bool takes) {
  field_->setEnabled(takes);
  heroBox_->setEnabled(takes);
}

void FieldViewport::place(const WindowLayout& layout) {
  if (layout.titleLeftSet) field_->move(layout.titleLeft, field_->y());
  const Rect& v = layout.viewport;
  setGeometry(v.x, v.y, v.width, v.height);
  verticalBar_->move(layout.verticalBarLeft, verticalBar_->y());
  horizontalBar_->move(horizontalBar_->x(), layout.horizontalBarTop);
  scrollCorner_->setGeometry(layout.corner.x, layout.corner.y, layout.corner.width, layout.corner.height);
  fitScrollBars();
}

void FieldViewport::fitScrollBars() {
  const ScrollBarsSetup s = setupScrollBars(field_->width(), field_->height(), width(), height());
  if (s.horizontal.shown)
    horizontalBar_->setGeometry(0, horizontalBar_->y(), s.horizontal.length, scrollBarThickness);
  if (s.vertical.shown) verticalBar_->setGeometry(verticalBar_->x(), 0, scrollBarThickness, s.vertical.length);
  fitScrollBar(*horizontalBar_, s.horizontal);
  fitScrollBar(*verticalBar_, s.vertical);
  scrollCorner_->setVisible(s.cornerShown);
  horizontalBar_->raise();
  verticalBar_->raise();
  scrollCorner_->raise();
}

ViewScroll FieldViewport::scrollBars() const {
  auto state = [](const QScrollBar* bar) { return ScrollBarState{!bar->isHidden(), bar->value(), bar->maximum()}; };
  return {state(horizontalBar_), state(verticalBar_)};
}

void FieldViewport::scrollTo(const ViewScroll& scroll) {
  if (!verticalBar_->isHidden()) verticalBar_->setValue(scroll.vertical.value);
  if (!horizontalBar_->isHidden()) horizontalBar_->setValue(scroll.horizontal.value);
}

void FieldViewport::showPaused(bool paused) {
  if (paused) pausePanel_->raise();
  pausePanel_->setVisible(paused);
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
  return QWidget::eventFilter(watched, event);
}

} // namespace kvarnel
