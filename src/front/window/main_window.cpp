// The main window.
#include "front/window/main_window.h"

#include "game/core/new_maze.h"
#include "game/files/web_links.h"
#include "front/dialogs/about_window.h"
#include "front/dialogs/code_entry_dialog.h"
#include "front/dialogs/design.h"
#include "front/dialogs/maze_code_window.h"
#include "front/dialogs/modal_runner.h"
#include "front/dialogs/twips.h"
#include "front/field/field_viewport.h"
#include "front/field/time_bar.h"
#include "front/pictures/embedded_pictures.h"
#include "front/window/best_times_window.h"
#include "front/window/end_of_game_window.h"
#include "front/window/game_timers.h"
#include "front/window/walk_key_event.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

namespace kvarnel {
namespace {

QString caption() { return MainWindow::tr("Кварнель"); }

} // namespace

MainWindow::MainWindow(GameFolders folders, Options options, Services& services, ModalRunner& modals)
    : folders_(std::move(folders)), extras_(readExtraSettings(folders_)), services_(services), modals_(modals),
      session_(services.clock), choices_(folders_, std::move(options), services, modals, this),
      records_(folders_.userData, folders_.playersOwn), paper_(services, modals, this, folders_.documents) {
  setObjectName(QStringLiteral("frmForma"));
  setWindowTitle(caption());
  setWindowIcon(gameIcon());
  createControls();
  createTimers();
  menus_ = std::make_unique<Menus>(*menuBar(), static_cast<MenuCommands&>(*this));
  // The designed client area is 9480 x 6135 twips; the menu bar comes on top of it.
  resize(twips(9480), twips(6135) + menuBar()->sizeHint().height());
  setMinimumWidth(smallestClientWidth);
  // Another program took the focus: a timed game waits, if the player wants it to.
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive && extras_.pauseOnFocusLoss && !session_.paused()) setPaused(true);
  });
  showGame();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  setBackground(client_, QColor(198, 199, 198));
  client_->setCursor(Qt::CrossCursor);
  client_->installEventFilter(this);
  setCentralWidget(client_);

  timeBar_ = new TimeBar(client_);
  timeBar_->setGeometry(twipsRect(0, 1020, 7500, 285));

  viewport_ = new FieldViewport(client_);
  viewport_->setObjectName(QStringLiteral("picControl"));
  viewport_->setGeometry(twipsRect(0, 1080, 6015, 6135));
  viewport_->showTitle(titlePicture());
  connect(viewport_, &FieldViewport::pressed, this, [this] { session_.press(); });
  connect(viewport_, &FieldViewport::released, this, [this](QPointF at) {
    session_.release({at.x(), at.y()});
    showGame();
  });
  connect(viewport_, &FieldViewport::pauseClicked, this, [this] { setPaused(false); });
}

void MainWindow::createTimers() {
  stepTimer_ = gameTimer(this, "tmrStep", 50, false);
  clockTimer_ = gameTimer(this, "tmrTimer", millisecondsPerSecond, true);
  victoryDelay_ = gameTimer(this, "tmrPobeda", 1000, true);
  connect(stepTimer_, &QTimer::timeout, this, [this] { take(session_.stepTick(viewport_->scrollBars())); });
  connect(clockTimer_, &QTimer::timeout, this, [this] { take(session_.clockTick(clockTimer_->interval())); });
  connect(victoryDelay_, &QTimer::timeout, this, [this] { take(session_.victoryTick()); });
}

void MainWindow::usePictures(const GamePictures& pictures) {
  choices_.usePictures(pictures);
  session_.changePictures(fieldGeometryOf(pictures.wallSide()));
  showGame();
}

void MainWindow::startNewMaze(const NewGameRequest& request, const std::optional<std::string>& seedText) {
  choices_.playNew();
  setFileCaption({});
  session_.startNewMaze(request, seedText ? *seedText : seedTextNow(services_.clock),
                        fieldGeometryOf(pictures().wallSide()));
  showGame();
}

void MainWindow::playOpenedMaze(Maze maze, const std::string& path) {
  choices_.playOpened(maze, path);
  setFileCaption(path);
  session_.openMaze(std::move(maze), fieldGeometryOf(pictures().wallSide()));
  showGame();
}

void MainWindow::newGame() {
  if (const std::optional<NewGameRequest> request = choices_.newGame()) startNewMaze(*request);
}

void MainWindow::choosePicture(PictureKind kind) {
  if (choices_.choosePicture(kind)) usePictures(pictures());
}

void MainWindow::openMaze() {
  if (std::optional<OpenedMaze> opened = choices_.openMaze()) playOpenedMaze(std::move(opened->maze), opened->path);
}

void MainWindow::saveMaze(bool saveAs) {
  if (choices_.saveMaze(saveAs, session_.maze())) setFileCaption(files().mazeFilePath);
}

void MainWindow::quit() { close(); }

void MainWindow::restart() {
  session_.restart();
  showGame();
}

// The clock goes on after a pause with what was left of its second, so pausing often gains nothing.
void MainWindow::setPaused(bool paused) {
  const int elapsed = clockTimer_->isActive() ? clockTimer_->interval() - clockTimer_->remainingTime() : 0;
  session_.setPaused(paused, elapsed);
  showGame();
}

void MainWindow::showWay(bool shown) {
  session_.showWay(shown);
  showGame();
}

void MainWindow::setPauseOnFocusLoss(bool on) {
  extras_.pauseOnFocusLoss = on;
  writeExtraSettings(folders_, extras_);
  showGame();
}

// The windows of play beyond the designed game hold a running timed game while they are open,
// as a pause would; the designed windows keep the designed clock.
void MainWindow::runPausingTheClock(const std::function<void()>& run) {
  const bool pausing = session_.clockRuns();
  if (pausing) setPaused(true);
  run();
  if (pausing) setPaused(false);
}

void MainWindow::runPausingTheClock(QDialog& window) {
  runPausingTheClock([&] { modals_.run(window); });
}

// Paper with the way on it counts as showing the way.
void MainWindow::putOnPaper(bool (PaperFlow::*flow)(const PaperSubject&)) {
  const PaperSubject subject{&session_.maze(), paperCaption(session_.mazeCode(), files().mazeFilePath), &pictures()};
  bool withWay = false;
  runPausingTheClock([&] { withWay = (paper_.*flow)(subject); });
  if (withWay) session_.wayOnPaper();
  showGame();
}

void MainWindow::showMazeCode() {
  if (const std::optional<std::string> code = session_.mazeCode()) {
    MazeCodeWindow window(QString::fromStdString(*code), this);
    runPausingTheClock(window);
  }
}

void MainWindow::playMazeFromCode() {
  CodeEntryDialog dialog(services_.messages, this);
  runPausingTheClock(dialog);
  const std::optional<MazeCode> code = dialog.code();
  if (code && choices_.completePictures()) startNewMaze({code->roomsAcross, code->roomsDown, std::nullopt}, code->seedText);
}

void MainWindow::printMaze() { putOnPaper(&PaperFlow::print); }

void MainWindow::exportMaze() { putOnPaper(&PaperFlow::exportFile); }

void MainWindow::showBestTimes() {
  BestTimesWindow window(records_.bestTimes(), std::nullopt, this);
  runPausingTheClock(window);
}

// Opens the kept maze as "Открыть" would, its file not becoming the current one, and forgets it.
void MainWindow::resumeKeptGame() {
  std::optional<Maze> maze = records_.readKeptGame(services_.messages);
  if (maze && !choices_.completePictures()) return;
  records_.forgetKeptGame();
  if (maze) playOpenedMaze(std::move(*maze), {});
  showGame();
}

void MainWindow::showHelp() { openDocument(services_.documents, services_.messages, folders_.data + playerText(helpPageName)); }

void MainWindow::showAbout() {
  AboutWindow about(this);
  connect(&about, &AboutWindow::addressClicked, this, [this](const QString& address) {
    makeFolder(folders_.pages);
    openViaRedirectPage(folders_.pages, address.toStdString(), services_.documents, services_.messages);
  });
  modals_.run(about);
}

// The game as the session has it: the field, the time bar, the menus and the timers.
void MainWindow::showGame() {
  if (session_.mazeShown() && session_.drawing() != laidOut_) { // a maze begins: every timer afresh
    laidOut_ = session_.drawing();
    for (QTimer* t : {stepTimer_, clockTimer_, victoryDelay_}) t->stop();
    layOutClientArea();
  }
  const Maze* maze = session_.mazeShown() ? &session_.maze() : nullptr;
  viewport_->show({maze, session_.drawing(), &session_.view(), &pictures(), &session_.way(),
                   session_.fieldTakesClicks(), session_.paused()});
  timeBar_->showTime(session_.timedGame(), session_.phase() == Phase::TimeUp, session_.view().viewWidth);
  menus_->show({session_.savingAllowed(), session_.mazeShown(), session_.pauseAllowed(), session_.paused(),
                session_.wayAllowed(), session_.wayShown(), extras_.pauseOnFocusLoss, session_.mazeCode().has_value(),
                records_.hasKeptGame(), session_.mazeShown()});
  runTimer(*stepTimer_, session_.stepTimerRuns(), stepTimer_->interval());
  runTimer(*clockTimer_, session_.clockRuns(), session_.clockInterval());
  runTimer(*victoryDelay_, session_.victoryDelayRuns(), victoryDelay_->interval());
}

// What a tick leaves beyond the game's state: the view following the hero, the end window, and
// a victory fast enough for the best times, shown after the end window.
void MainWindow::take(const SessionEvents& events) {
  showGame();
  if (events.scrollTo) viewport_->scrollTo(*events.scrollTo);
  if (events.end) {
    EndOfGameWindow window(*events.end, services_.clock, this);
    modals_.run(window);
  }
  if (events.victory) {
    if (const std::optional<EnteredBestTime> entered = records_.enterBestTime(*events.victory)) {
      BestTimesWindow window(entered->table, entered->place, this, entered->setAside);
      modals_.run(window);
    }
  }
}

void MainWindow::layOutClientArea() {
  const WindowLayout layout = layOutWindow(session_.layoutInput(client_->width(), client_->height(), isMinimized()));
  if (layout.skip) return;
  if (layout.widenWindow) resize(width() - client_->width() + smallestClientWidth, height());
  session_.takeLayout(layout);
  if (layout.timeBarShown) timeBar_->setGeometry(layout.timeBar.x, layout.timeBar.y, layout.timeBar.width, layout.timeBar.height);
  timeBar_->setVisible(layout.timeBarShown);
  viewport_->place(layout);
}

void MainWindow::setFileCaption(const std::string& path) {
  setWindowTitle(path.empty() ? caption()
                              : caption() + QStringLiteral(" - [") + QString::fromStdString(fileNameOf(path)) +
                                    QStringLiteral("]"));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    layOutClientArea();
    showGame();
  }
  return QMainWindow::eventFilter(watched, event);
}

// The walking keys reach the window from whichever of its widgets has the keyboard.
void MainWindow::keyPressEvent(QKeyEvent* event) {
  const std::optional<WalkKey> walk = walkKeyOf(*event);
  if (!walk) return QMainWindow::keyPressEvent(event);
  session_.walkKey(*walk);
  showGame();
}

// Back from another window, the field has the keyboard again.
bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) viewport_->focusField();
  return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    for (QTimer* t : {stepTimer_, clockTimer_, victoryDelay_}) t->stop();
    records_.keepGame(session_);
    choices_.writeOptions();
  }
  event->accept();
  emit closed();
}

} // namespace kvarnel
