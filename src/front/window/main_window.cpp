// The main window.
#include "front/window/main_window.h"

#include "game/core/new_maze.h"
#include "front/window/end_of_game_window.h"
#include "game/files/folder_choice.h"
#include "game/play/game_clock.h"
#include "front/window/game_menu.h"
#include "front/field/field_viewport.h"
#include "front/field/field_widget.h"
#include "front/field/time_bar.h"
#include "game/files/web_links.h"
#include "front/dialogs/about_window.h"
#include "front/dialogs/design.h"
#include "front/pictures/embedded_pictures.h"
#include "front/dialogs/modal_runner.h"
#include "front/dialogs/new_game_dialog.h"
#include "front/dialogs/picture_chooser.h"
#include "front/dialogs/twips.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>

namespace kvarnel {
namespace {

const QString caption = QStringLiteral("Кварнель");

QTimer* timer(QObject* parent, const char* name, int interval) {
  auto* t = new QTimer(parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setInterval(interval);
  return t;
}

PictureFolders pictureFoldersOf(const GameFolders& folders) { return {folders.data, folders.userData}; }

} // namespace

MainWindow::MainWindow(GameFolders folders, Options options, Services& services, ModalRunner& modals)
    : folders_(std::move(folders)), options_(std::move(options)), services_(services), modals_(modals),
      session_(services.clock) {
  setObjectName(QStringLiteral("frmForma"));
  setWindowTitle(caption);
  setWindowIcon(gameIcon());
  files_.dialogFolder = folders_.mazes;
  // The pictures of the last run, so that a maze opened before any new game is drawn with them.
  // One that does not load stays missing, silently; its name stays for the new-game dialog.
  const PictureFolders pictureFolders = pictureFoldersOf(folders_);
  for (PictureKind kind : pictureKinds)
    pictures_[kind] = loadPicture(pictureFolders, kind, rememberedPicture(options_, kind)).picture;
  createControls();
  createTimers();
  createMenu();
  // The designed client area is 9480 x 6135 twips; the menu bar comes on top of it.
  resize(twips(9480), twips(6135) + menuBar()->sizeHint().height());
  setMinimumWidth(smallestClientWidth);
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
  connect(&viewport_->field(), &FieldWidget::pressed, this, [this] { session_.press(); });
  connect(&viewport_->field(), &FieldWidget::released, this,
          [this](QPointF at) { showChanges(session_.release({at.x(), at.y()})); });
}

void MainWindow::createTimers() {
  stepTimer_ = timer(this, "tmrStep", 50);
  clockTimer_ = timer(this, "tmrTimer", 1000);
  victoryDelay_ = timer(this, "tmrPobeda", 1000);
  connect(stepTimer_, &QTimer::timeout, this, [this] { showChanges(session_.stepTick(viewport_->scrollBars())); });
  connect(clockTimer_, &QTimer::timeout, this, [this] { showChanges(session_.clockTick()); });
  connect(victoryDelay_, &QTimer::timeout, this, [this] { showChanges(session_.victoryTick()); });
}

QAction* MainWindow::addMenuItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& key) {
  QAction* item = menu->addAction(text);
  item->setObjectName(QString::fromLatin1(name));
  item->setShortcut(key);
  return item;
}

void MainWindow::createMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Меню"));
  menu->setObjectName(QStringLiteral("Menu"));
  connect(addMenuItem(menu, "MenuNew", QStringLiteral("Новая игра"), Qt::Key_F4), &QAction::triggered, this,
          &MainWindow::newGameCommand);
  for (PictureKind kind : pictureKinds) {
    const std::string name = "MenuSel_" + std::to_string(kindIndex(kind));
    connect(addMenuItem(menu, name.c_str(), chooserCaption(kind)), &QAction::triggered, this,
            [this, kind] { choosePictureCommand(kind); });
  }
  menu->addSeparator();
  connect(addMenuItem(menu, "MenuOpen", QStringLiteral("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O)),
          &QAction::triggered, this, &MainWindow::openMazeCommand);
  saveItem_ = addMenuItem(menu, "MenuSave", QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S));
  saveAsItem_ = addMenuItem(menu, "MenuSaveAs", QStringLiteral("Сохранить как..."));
  connect(saveItem_, &QAction::triggered, this, [this] { saveCommand(false); });
  connect(saveAsItem_, &QAction::triggered, this, [this] { saveCommand(true); });
  menu->addSeparator();
  connect(addMenuItem(menu, "MenuExit", QStringLiteral("Выход")), &QAction::triggered, this, &QWidget::close);

  gameMenu_ = std::make_unique<GameMenu>(*this, *viewport_, *clockTimer_, folders_, services_, modals_);
  gameMenu_->addTo(*menuBar());

  QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
  help->setObjectName(QStringLiteral("Help"));
  connect(addMenuItem(help, "HelpCallHelp", QStringLiteral("Вызов справки"), Qt::Key_F1), &QAction::triggered,
          this, &MainWindow::helpCommand);
  connect(addMenuItem(help, "HelpAbout", QStringLiteral("О программе")), &QAction::triggered, this,
          &MainWindow::aboutCommand);
  followSession();
}

void MainWindow::usePictures(GamePictures pictures) {
  pictures_ = std::move(pictures);
  showChanges(session_.changePictures(fieldGeometryOf(pictures_.wallSide())));
}

void MainWindow::startNewMaze(const NewGameRequest& request, const std::optional<std::string>& seedText) {
  files_.mazeFilePath.clear();
  setFileCaption({});
  const std::string seed = seedText ? *seedText : seedTextNow(services_.clock);
  showChanges(session_.startNewMaze(request, seed, fieldGeometryOf(pictures_.wallSide())));
}

void MainWindow::playOpenedMaze(Maze maze, const std::string& path) {
  // The options remember the size of the last maze played, and that it was untimed.
  options_.roomsAcross = maze.roomsAcross;
  options_.roomsDown = maze.roomsDown;
  options_.timedGame = 0;
  files_.mazeFilePath = path;
  setFileCaption(path);
  showChanges(session_.openMaze(std::move(maze), fieldGeometryOf(pictures_.wallSide())));
}

void MainWindow::newGameCommand() {
  if (!newGame_)
    newGame_ =
        std::make_unique<NewGameDialog>(options_, pictureFoldersOf(folders_), services_.messages, modals_, this);
  modals_.run(*newGame_);
  const std::optional<NewGameRequest> request = newGame_->takeRequest();
  if (newGame_->unloaded()) newGame_.reset();
  if (!request) return;
  rememberNewGame(options_, *request);
  for (PictureKind kind : pictureKinds) {
    if (std::optional<Picture> picture =
            loadRememberedPicture(pictureFoldersOf(folders_), kind, rememberedPicture(options_, kind)))
      pictures_[kind] = std::move(picture);
  }
  startNewMaze(*request);
}

std::optional<Picture> MainWindow::choosePicture(PictureKind kind) {
  PictureChooser chooser(kind, pictureFoldersOf(folders_), services_.messages, this);
  modals_.run(chooser);
  chooser.updateRememberedName(rememberedPicture(options_, kind));
  return chooser.chosen();
}

void MainWindow::choosePictureCommand(PictureKind kind) {
  if (std::optional<Picture> chosen = choosePicture(kind)) {
    GamePictures pictures = pictures_;
    pictures[kind] = std::move(chosen);
    usePictures(std::move(pictures));
  }
}

bool MainWindow::completePictures() {
  for (PictureKind kind : pictureKinds) {
    if (pictures_[kind]) continue;
    std::optional<Picture> chosen = choosePicture(kind);
    if (!chosen) return false;
    pictures_[kind] = std::move(chosen);
  }
  return true;
}

// A maze is opened only with all three pictures: a cancelled chooser leaves it unopened.
void MainWindow::openMazeCommand() {
  std::optional<OpenedMaze> opened = kvarnel::openMazeCommand(files_, services_);
  if (opened && completePictures()) playOpenedMaze(std::move(opened->maze), opened->path);
}

void MainWindow::saveCommand(bool saveAs) {
  if (saveMazeCommand(saveAs, session_.maze(), files_, services_)) setFileCaption(files_.mazeFilePath);
}

void MainWindow::helpCommand() { openDocument(services_.documents, folders_.data + helpPageName); }

void MainWindow::aboutCommand() {
  AboutWindow about(this);
  connect(&about, &AboutWindow::addressClicked, this, [this](const QString& address) {
    makeFolder(folders_.pages);
    openViaRedirectPage(folders_.pages, address.toStdString(), services_.documents);
  });
  modals_.run(about);
}

void MainWindow::showChanges(const SessionChanges& changes) {
  if (changes.redraw) viewport_->showMaze(session_.maze(), session_.view(), pictures_);
  if (changes.layOut) layOutClientArea();
  if (changes.newGame) {
    stopTimers();
    timeBar_->reset();
  }
  if (changes.heroMoved) viewport_->moveHero(session_.view().heroX, session_.view().heroY);
  if (changes.scrollTo) viewport_->scrollTo(*changes.scrollTo);
  if (changes.timeBarRed) timeBar_->showSeconds(*changes.timeBarRed, session_.view().viewWidth);
  if (changes.timeRanOut) timeBar_->showTimeUp();
  followSession();
  if (changes.walkEnded) viewport_->field().setFocus();
  if (changes.showEnd) showEnd(*changes.showEnd);
  gameMenu_->showChanges(changes);
}

// What the session decides at every moment: which timers run, whether the field takes clicks,
// whether the maze can be saved.
void MainWindow::followSession() {
  auto run = [](QTimer* t, bool runs) {
    if (!runs) t->stop();
    else if (!t->isActive()) t->start();
  };
  run(stepTimer_, session_.stepTimerRuns());
  run(clockTimer_, session_.clockRuns());
  run(victoryDelay_, session_.victoryDelayRuns());
  viewport_->setTakesClicks(session_.fieldTakesClicks());
  saveItem_->setEnabled(session_.savingAllowed());
  saveAsItem_->setEnabled(session_.savingAllowed());
  gameMenu_->follow();
}

void MainWindow::stopTimers() {
  for (QTimer* t : {stepTimer_, clockTimer_, victoryDelay_}) t->stop();
}

void MainWindow::layOutClientArea() {
  const WindowLayout layout =
      layOutWindow(session_.layoutInput(client_->width(), client_->height(), isMinimized()));
  if (layout.skip) return;
  if (layout.widenWindow) resize(width() - client_->width() + smallestClientWidth, height());
  session_.takeLayout(layout);
  if (layout.timeBarShown) {
    const Rect& r = layout.timeBar;
    timeBar_->setGeometry(r.x, r.y, r.width, r.height);
  }
  timeBar_->setVisible(layout.timeBarShown);
  viewport_->place(layout);
}

void MainWindow::showEnd(GameEnd end) {
  if (endShown_) return;
  endShown_ = true;
  EndOfGameWindow window(end, services_.clock, this);
  modals_.run(window);
  endShown_ = false;
}

void MainWindow::setFileCaption(const std::string& path) {
  setWindowTitle(path.empty() ? caption
                              : caption + QStringLiteral(" - [") + QString::fromStdString(fileNameOf(path)) +
                                    QStringLiteral("]"));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) layOutClientArea();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    stopTimers();
    gameMenu_->keepGameForLater();
    writeOptions(folders_, options_);
  }
  event->accept();
  emit closed();
}

} // namespace kvarnel
