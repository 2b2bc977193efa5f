// The main window.
#include "play/frm_forma.h"

#include "core/new_maze.h"
#include "core/picture_kinds.h"
#include "play/colours.h"
#include "play/frm_end.h"
#include "play/game_clock.h"
#include "play/start_up.h"
#include "view/field_painter.h"
#include "view/field_widget.h"
#include "view/picture_box.h"
#include "view/scroll_layout.h"
#include "windows/design.h"
#include "windows/embedded_pictures.h"
#include "web/web_links.h"
#include "windows/frm_new.h"
#include "windows/frm_oprog.h"
#include "windows/frm_select.h"
#include "windows/modal_runner.h"
#include "windows/twips.h"

#include <QCloseEvent>
#include <QPainter>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>

namespace kvarnel {
namespace {

const QString caption = QStringLiteral("Кварнель");

QLabel* hiddenPictureBox(QWidget* parent, const char* name, const QRect& designed) {
  auto* store = new QLabel(parent);
  store->setObjectName(QString::fromLatin1(name));
  store->setGeometry(designed);
  store->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackground(store, Qt::white);
  store->hide();
  return store;
}

QTimer* timer(QObject* parent, const char* name, int interval) {
  auto* t = new QTimer(parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setInterval(interval);
  return t;
}

} // namespace

frmForma::frmForma(GameState& state, Services& services, ModalRunner& modals)
    : state_(state), services_(services), modals_(modals) {
  setObjectName(QStringLiteral("frmForma"));
  setWindowTitle(caption);
  setWindowIcon(windowIcon());
  createControls();
  createTimers();
  createMenu();
  connectScrollBars();
  connectMenu();
  // The designed client area is 9480 x 6135 twips; the menu bar comes on top of it.
  resize(twips(9480), twips(6135) + menuBar()->sizeHint().height());
  setMinimumWidth(smallestClientWidth);
}

frmForma::~frmForma() = default;

void frmForma::createControls() {
  client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setBackground(client, QColor(198, 199, 198));
  client->setCursor(Qt::CrossCursor);
  client->installEventFilter(this);
  setCentralWidget(client);

  picTime = new PictureBox(client);
  picTime->setObjectName(QStringLiteral("picTime"));
  picTime->setGeometry(twipsRect(0, 1020, 7500, 285));
  picTime->setBackgroundColour(QColor(0, 255, 0));
  picTime->setEnabled(false);
  picTime->hide();

  picControl = new QWidget(client);
  picControl->setObjectName(QStringLiteral("picControl"));
  picControl->setGeometry(twipsRect(0, 1080, 6015, 6135));
  setBackground(picControl, QColor(224, 224, 224));

  picPole = new FieldWidget(picControl);
  picPole->setObjectName(QStringLiteral("picPole"));
  picPole->setGeometry(twipsRect(0, 0, 4500, 6000));
  picPole->setFont(designFont(sansSerif, 24, true));
  picPole->setEnabled(false);

  picGeroy = new QLabel(picPole);
  picGeroy->setObjectName(QStringLiteral("picGeroy"));
  picGeroy->setGeometry(twipsRect(0, 0, 480, 480));
  picGeroy->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackground(picGeroy, Qt::white);
  picGeroy->setFocusPolicy(Qt::NoFocus); // the hero box passes the focus on to the field
  picGeroy->installEventFilter(this);     // and takes no clicks: they must not reach the field
  picGeroy->hide();

  VScroll1 = new QScrollBar(Qt::Vertical, picControl);
  VScroll1->setObjectName(QStringLiteral("VScroll1"));
  VScroll1->setGeometry(twipsRect(1440, 0, 255, 1215));
  HScroll1 = new QScrollBar(Qt::Horizontal, picControl);
  HScroll1->setObjectName(QStringLiteral("HScroll1"));
  HScroll1->setGeometry(twipsRect(0, 1200, 1215, 255));
  for (QScrollBar* bar : {VScroll1, HScroll1}) {
    bar->setFocusPolicy(Qt::NoFocus); // the bars never keep the focus
    bar->setCursor(Qt::ArrowCursor);
    bar->hide();
  }

  PctrUgol = new QWidget(picControl);
  PctrUgol->setObjectName(QStringLiteral("PctrUgol"));
  PctrUgol->setGeometry(twipsRect(1440, 1200, 255, 255));
  setBackground(PctrUgol, QColor(224, 224, 224));
  PctrUgol->hide();

  picStenka = hiddenPictureBox(client, "picStenka", twipsRect(6360, 1080, 480, 480));
  picDveri = hiddenPictureBox(client, "picDveri", twipsRect(6360, 1680, 480, 480));
  picGeroy1 = hiddenPictureBox(client, "picGeroy1", twipsRect(6360, 2280, 480, 480));
  static_assert(twips(480) == designedHeroStoreWidth);
  picVostrel = hiddenPictureBox(client, "picVostrel", twipsRect(2760, 2400, 4500, 6000));
  picVostrel->setPixmap(titlePicture());
  picVostrel->resize(picVostrel->pixmap().size());
  picPole->showTitle(picVostrel->pixmap());
}

void frmForma::createTimers() {
  tmrStep = timer(this, "tmrStep", 50);
  tmrTimer = timer(this, "tmrTimer", 1000);
  tmrPobeda = timer(this, "tmrPobeda", 1000);
}

void frmForma::createMenu() {
  auto action = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& key = {}) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(key);
    return a;
  };
  Menu = menuBar()->addMenu(QStringLiteral("Меню"));
  Menu->setObjectName(QStringLiteral("Menu"));
  MenuNew = action(Menu, "MenuNew", QStringLiteral("Новая игра"), Qt::Key_F4);
  MenuSel[0] = action(Menu, "MenuSel_0", chooserCaption(PictureKind::Hero));
  MenuSel[1] = action(Menu, "MenuSel_1", chooserCaption(PictureKind::Wall));
  MenuSel[2] = action(Menu, "MenuSel_2", chooserCaption(PictureKind::Door));
  Menu->addSeparator();
  MenuOpen = action(Menu, "MenuOpen", QStringLiteral("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O));
  MenuSave = action(Menu, "MenuSave", QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S));
  MenuSaveAs = action(Menu, "MenuSaveAs", QStringLiteral("Сохранить как..."));
  Menu->addSeparator();
  MenuExit = action(Menu, "MenuExit", QStringLiteral("Выход"));
  Help = menuBar()->addMenu(QStringLiteral("Справка"));
  Help->setObjectName(QStringLiteral("Help"));
  HelpCallHelp = action(Help, "HelpCallHelp", QStringLiteral("Вызов справки"), Qt::Key_F1);
  HelpAbout = action(Help, "HelpAbout", QStringLiteral("О программе"));
  setSaveItemsEnabled(false);
}

void frmForma::connectMenu() {
  connect(MenuNew, &QAction::triggered, this, &frmForma::MenuNew_Click);
  for (int i = 0; i < 3; ++i)
    connect(MenuSel[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { MenuSel_Click(i); });
  connect(MenuOpen, &QAction::triggered, this, [this] { DialogBoxOpen(state_, services_, *this); });
  connect(MenuSave, &QAction::triggered, this, [this] { DialogBoxSave(false, state_, services_, *this); });
  connect(MenuSaveAs, &QAction::triggered, this, [this] { DialogBoxSave(true, state_, services_, *this); });
  connect(MenuExit, &QAction::triggered, this, &QWidget::close);
  connect(HelpCallHelp, &QAction::triggered, this, &frmForma::HelpCallHelp_Click);
  connect(HelpAbout, &QAction::triggered, this, &frmForma::HelpAbout_Click);

  connect(picPole, &FieldWidget::pressed, this, &frmForma::picPole_MouseDown);
  connect(picPole, &FieldWidget::released, this, &frmForma::picPole_MouseUp);
  connect(tmrStep, &QTimer::timeout, this, &frmForma::tmrStep_Timer);
  connect(tmrTimer, &QTimer::timeout, this, &frmForma::tmrTimer_Timer);
  connect(tmrPobeda, &QTimer::timeout, this, &frmForma::tmrPobeda_Timer);
}

void frmForma::connectScrollBars() {
  auto followH = [this](int value) { picPole->move(-value, picPole->y()); };
  auto followV = [this](int value) { picPole->move(picPole->x(), -value); };
  connect(HScroll1, &QScrollBar::valueChanged, this, followH);
  connect(HScroll1, &QScrollBar::sliderMoved, this, followH);
  connect(VScroll1, &QScrollBar::valueChanged, this, followV);
  connect(VScroll1, &QScrollBar::sliderMoved, this, followV);
}

void frmForma::setSaveItemsEnabled(bool enabled) {
  MenuSave->setEnabled(enabled);
  MenuSaveAs->setEnabled(enabled);
}

void frmForma::setFileCaption(const std::string& path) {
  setWindowTitle(path.empty() ? caption
                              : caption + QStringLiteral(" - [") + QString::fromStdString(fileNameOf(path)) +
                                    QStringLiteral("]"));
}

PictureTarget frmForma::pictureStore(PictureKind kind) {
  switch (kind) {
  case PictureKind::Wall: return {picStenka, true};
  case PictureKind::Door: return {picDveri, true};
  case PictureKind::Hero: break;
  }
  return {picGeroy1, false};
}

void frmForma::setHeroTakesClicks(bool takes) {
  picPole->setEnabled(takes);
  picGeroy->setEnabled(takes);
}

bool frmForma::SqrOutputMaze() {
  if (!startNewMaze(state_.maze, services_.clock)) return false;
  beginPlay(play_, state_.maze);
  tmrStep->stop();
  tmrPobeda->stop();
  setHeroTakesClicks(true);
  DrawMaze();
  if (state_.settings.timedGame == 1) {
    tmrTimer->start();
    Form_Resize();
  } else {
    tmrTimer->stop();
  }
  return true;
}

void frmForma::DrawMaze() {
  MazeState& maze = state_.maze;
  if (!maze.hasGrid()) return;
  const FieldGeometry g = fieldGeometryOf(picGeroy1->width(), picStenka->width());
  maze.wallSize = g.wallSize;
  maze.heroSize = g.heroSize;
  maze.cellStep = g.cellStep;
  maze.halfStep = g.halfStep;
  // During a walk the hero's room is already its target: put the box as many half steps short
  // of it as the walk has ticks left, so that the walk still ends on the room.
  const std::int32_t stepsLeft = play_.state == PlayState::Walking || play_.state == PlayState::TimeUp
                                     ? std::max(maze.stepsLeft, 0) : 0;
  maze.heroX = static_cast<std::int32_t>(heroRestPosition(maze.heroCol, g) -
                                         std::int64_t{maze.moveDx} * stepsLeft * g.halfStep);
  maze.heroY = static_cast<std::int32_t>(heroRestPosition(maze.heroRow, g) -
                                         std::int64_t{maze.moveDy} * stepsLeft * g.halfStep);

  picGeroy->setGeometry(maze.heroX, maze.heroY, g.heroSize, g.heroSize);
  picGeroy->setPixmap(heroBoxPicture(g, picGeroy1->pixmap()));

  const PixelRect field = fieldRectOf(maze, g);
  picPole->setGeometry(0, 0, static_cast<int>(field.width), static_cast<int>(field.height));
  picPole->showMaze(maze, g, picStenka->pixmap(), picDveri->pixmap());
  picPole->show();
  picGeroy->show();
  // A redraw after the game ended, or during a walk, must not let the field take clicks again.
  picPole->setEnabled(fieldTakesClicks(play_));
  SetupScrollBars();
  maze.mazeShown = 1;
}

void frmForma::Form_Resize() {
  WindowLayoutInput in;
  in.clientWidth = client->width();
  in.clientHeight = client->height();
  in.minimised = isMinimized();
  in.mazeShown = state_.maze.mazeShown == 1;
  in.timedGame = state_.settings.timedGame == 1;
  in.limitMinutes = state_.settings.limitMinutes;
  in.limitSeconds = state_.settings.limitSeconds;
  const WindowLayout layout = layOutWindow(in);
  if (layout.skip) return;
  if (layout.widenWindow) resize(width() - client->width() + smallestClientWidth, height());

  SharedSettings& s = state_.settings;
  if (layout.viewWidthSet) {
    s.viewWidth = layout.viewWidth;
    if (layout.timeBarShown) {
      const Rect& r = layout.timeBar;
      picTime->setGeometry(r.x, r.y, r.width, r.height);
      s.barPerSecond = layout.barPerSecond;
    }
  }
  if (layout.titleLeftSet) picPole->move(layout.titleLeft, picPole->y());
  picTime->setVisible(layout.timeBarShown);
  s.viewHeight = layout.viewHeight;
  const Rect& v = layout.viewport;
  picControl->setGeometry(v.x, v.y, v.width, v.height);
  VScroll1->move(layout.verticalBarLeft, VScroll1->y());
  HScroll1->move(HScroll1->x(), layout.horizontalBarTop);
  PctrUgol->setGeometry(layout.corner.x, layout.corner.y, layout.corner.width, layout.corner.height);
  SetupScrollBars();
}

void frmForma::SetupScrollBars() {
  const ScrollBarsSetup s =
      setupScrollBars(picPole->width(), picPole->height(), picControl->width(), picControl->height());
  auto apply = [](QScrollBar* bar, const ScrollBarSetup& setup, bool horizontal) {
    if (setup.shown) {
      if (horizontal) bar->setGeometry(0, bar->y(), setup.length, scrollBarThickness);
      else bar->setGeometry(bar->x(), 0, scrollBarThickness, setup.length);
      bar->setPageStep(setup.largeChange);
      bar->setMaximum(setup.maximum);
      bar->setSingleStep(setup.smallChange);
    }
    bar->setValue(0);
    bar->setVisible(setup.shown);
  };
  apply(HScroll1, s.horizontal, true);
  apply(VScroll1, s.vertical, false);
  PctrUgol->setVisible(s.cornerShown);
  HScroll1->raise();
  VScroll1->raise();
  PctrUgol->raise();
}

void frmForma::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  tmrStep->stop();
  tmrTimer->stop();
  tmrPobeda->stop();
  SaveFileINI(state_);
}

void frmForma::showOpenedMaze() {
  tmrTimer->stop();
  tmrStep->stop();
  tmrPobeda->stop();
  beginPlay(play_, state_.maze);
  setHeroTakesClicks(true);
  Form_Resize();
  setFileCaption(state_.settings.mazeFilePath);
  DrawMaze();
}

void frmForma::picPole_MouseDown() { fieldMouseDown(play_); }

void frmForma::picPole_MouseUp(QPointF at) {
  const ReleaseOutcome outcome =
      fieldMouseUp(play_, state_.maze, {at.x(), at.y()}, {picPole->width(), picPole->height()});
  if (outcome != ReleaseOutcome::WalkStarted) return;
  setHeroTakesClicks(false);
  tmrStep->start();
}

void frmForma::tmrStep_Timer() {
  auto barState = [](const QScrollBar* bar) {
    return ScrollBarState{!bar->isHidden(), bar->value(), bar->maximum()};
  };
  const StepResult step = stepTick(play_, state_, {barState(HScroll1), barState(VScroll1)});
  if (step.outcome == StepOutcome::NotWalking) {
    tmrStep->stop();
    return;
  }
  const MazeState& maze = state_.maze;
  picGeroy->move(maze.heroX, maze.heroY);
  if (step.outcome == StepOutcome::Moved) return;
  tmrStep->stop();
  applyScroll(step.scroll);
  switch (step.outcome) {
  case StepOutcome::WalkEnded:
    setHeroTakesClicks(true);
    picPole->setFocus();
    break;
  case StepOutcome::Won:
    tmrTimer->stop();
    tmrPobeda->start();
    setSaveItemsEnabled(false);
    break;
  default: break;
  }
}

void frmForma::applyScroll(const ViewScroll& scroll) {
  if (!VScroll1->isHidden()) VScroll1->setValue(scroll.vertical.value);
  if (!HScroll1->isHidden()) HScroll1->setValue(scroll.horizontal.value);
}

void frmForma::tmrTimer_Timer() {
  const ClockTick tick = clockTick(play_, state_.settings);
  switch (tick.outcome) {
  case ClockOutcome::Ticked: paintTimeBar(tick.redExtent); break;
  case ClockOutcome::TimeUp:
    tmrTimer->stop();
    setHeroTakesClicks(false);
    picTime->setBackgroundColour(QColor(255, 0, 0));
    picTime->clear();
    picTime->update();
    showEnd(1);
    break;
  case ClockOutcome::NotRunning: tmrTimer->stop(); break;
  }
}

void frmForma::paintTimeBar(std::int32_t redExtent) {
  const int right = state_.settings.viewWidth;
  QPainter painter(&picTime->canvas());
  painter.fillRect(QRect(QPoint(0, 0), QPoint(redExtent, timeBarFillBottom)), QColor(255, 0, 0));
  painter.fillRect(QRect(QPoint(redExtent + 1, 0), QPoint(right, timeBarFillBottom)), QColor(0, 255, 0));
  picTime->update();
}

void frmForma::tmrPobeda_Timer() {
  tmrPobeda->stop();
  if (victoryTick(play_, state_.settings) == VictoryOutcome::ShowEnd) showEnd(0);
}

void frmForma::showEnd(std::int32_t dialogArg) {
  if (endShown_) return;
  endShown_ = true;
  state_.settings.dialogArg = dialogArg;
  frmEnd end(dialogArg, services_.clock, this);
  modals_.run(end);
  endShown_ = false;
}

void frmForma::MenuNew_Click() {
  if (!newGame_) newGame_ = std::make_unique<frmNew>(state_, services_, modals_, *this, this);
  modals_.run(*newGame_);
  if (newGame_->unloaded()) newGame_.reset();
}

void frmForma::MenuSel_Click(int index) {
  state_.settings.dialogArg = index;
  state_.settings.chooserFromMenu = 1;
  frmSelect chooser(state_, services_.messages, *this, {}, this);
  modals_.run(chooser);
}

void frmForma::HelpCallHelp_Click() { OpenURL(services_.documents, state_.settings.appFolder + "Справка.htm"); }

void frmForma::HelpAbout_Click() {
  frmOprog about(state_.settings.appFolder, services_.documents, this);
  modals_.run(about);
}

bool frmForma::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client && event->type() == QEvent::Resize) Form_Resize();
  if (watched == picGeroy) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return true;
    default: break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmForma::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
  emit closed();
}

} // namespace kvarnel
