// The menu "Игра" and the walking keys.
#include "front/window/game_menu.h"

#include "game/core/atomic_file.h"
#include "game/files/maze_file_commands.h"
#include "game/files/maze_file_format.h"
#include "front/window/best_times_window.h"
#include "front/window/main_window.h"
#include "front/field/field_viewport.h"
#include "front/field/field_widget.h"
#include "front/field/pause_panel.h"
#include "front/dialogs/code_entry_dialog.h"
#include "front/dialogs/maze_code_window.h"
#include "front/dialogs/modal_runner.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kvarnel {
namespace {

static_assert(keys::left == Qt::Key_Left && keys::right == Qt::Key_Right && keys::up == Qt::Key_Up &&
              keys::down == Qt::Key_Down);

QAction* menuItem(QMenu* menu, const char* name, const QString& text, const QList<QKeySequence>& keys = {}) {
  QAction* item = menu->addAction(text);
  item->setObjectName(QString::fromLatin1(name));
  item->setShortcuts(keys);
  return item;
}

} // namespace

GameMenu::GameMenu(MainWindow& window, FieldViewport& viewport, QTimer& clockTimer, GameFolders folders,
                   Services& services, ModalRunner& modals)
    : window_(window), viewport_(viewport), clockTimer_(clockTimer),
      clockInterval_(clockTimer.interval()), folders_(std::move(folders)), services_(services), modals_(modals) {
  std::error_code error;
  keptGame_ = std::filesystem::is_regular_file(userFile(keptGameFileName), error);
  window_.installEventFilter(this);
  connect(&viewport_.pausePanel(), &PausePanel::clicked, this, [this] { pauseCommand(false); });
  // A second shortened by a pause lasts a whole second again after its tick.
  connect(&clockTimer_, &QTimer::timeout, this, [this] {
    if (clockTimer_.interval() != clockInterval_) clockTimer_.setInterval(clockInterval_);
  });
  // Another program took the focus: the game waits. The program's own windows keep it active.
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive && window_.session().pauseAllowed() && !window_.session().paused())
      pauseCommand(true);
  });
}

void GameMenu::addTo(QMenuBar& bar) {
  QMenu* menu = bar.addMenu(QStringLiteral("Игра"));
  menu->setObjectName(QStringLiteral("Game"));
  restart_ = menuItem(menu, "GameRestart", QStringLiteral("Начать заново"), {Qt::Key_F5});
  // P and H are also taken where a Russian layout puts them: З and Р.
  pause_ = menuItem(menu, "GamePause", QStringLiteral("Пауза"),
                    {Qt::Key_P, Qt::Key_Pause, QKeySequence(QStringLiteral("З"))});
  way_ = menuItem(menu, "GameShowWay", QStringLiteral("Показать выход"), {Qt::Key_H, QKeySequence(QStringLiteral("Р"))});
  menu->addSeparator();
  code_ = menuItem(menu, "GameCode", QStringLiteral("Код лабиринта..."), {QKeySequence(Qt::CTRL | Qt::Key_K)});
  QAction* fromCode =
      menuItem(menu, "GameFromCode", QStringLiteral("Лабиринт по коду..."), {QKeySequence(Qt::CTRL | Qt::Key_L)});
  menu->addSeparator();
  QAction* records = menuItem(menu, "GameRecords", QStringLiteral("Рекорды"), {QKeySequence(Qt::CTRL | Qt::Key_H)});
  resume_ = menuItem(menu, "GameResume", QStringLiteral("Продолжить прошлую игру"));
  pause_->setCheckable(true);
  way_->setCheckable(true);

  connect(restart_, &QAction::triggered, this, &GameMenu::restartCommand);
  connect(pause_, &QAction::triggered, this, &GameMenu::pauseCommand);
  connect(way_, &QAction::triggered, this, &GameMenu::wayCommand);
  connect(code_, &QAction::triggered, this, &GameMenu::codeCommand);
  connect(fromCode, &QAction::triggered, this, &GameMenu::fromCodeCommand);
  connect(records, &QAction::triggered, this,
          [this] { showBestTimes(readBestTimes(userFile(bestTimesFileName)), std::nullopt); });
  connect(resume_, &QAction::triggered, this, &GameMenu::resumeCommand);
}

void GameMenu::follow() {
  const GameSession& session = window_.session();
  restart_->setEnabled(session.mazeShown());
  pause_->setEnabled(session.pauseAllowed());
  pause_->setChecked(session.paused());
  way_->setEnabled(session.wayAllowed());
  way_->setChecked(session.wayShown());
  code_->setEnabled(session.mazeCode().has_value());
  resume_->setEnabled(keptGame_);
  viewport_.showPaused(session.paused());
}

void GameMenu::showChanges(const SessionChanges& changes) {
  const GameSession& session = window_.session();
  if (changes.wayChanged) viewport_.field().showWay(session.wayShown() ? &session.way() : nullptr);
  // A new game's clock starts with a whole second, whatever a pause left of the last one.
  if (changes.newGame && clockTimer_.interval() != clockInterval_) clockTimer_.setInterval(clockInterval_);
  if (changes.redraw) focusField();
  if (changes.won) enterBestTime(*changes.won);
}

void GameMenu::restartCommand() {
  window_.command([](GameSession& session) { return session.restart(); });
}

void GameMenu::pauseCommand(bool paused) {
  const int left = clockTimer_.isActive() ? clockTimer_.remainingTime() : -1;
  window_.command([paused](GameSession& session) { return session.setPaused(paused); });
  if (paused) {
    if (window_.session().paused() && left >= 0) secondLeft_ = left;
    return;
  }
  // The clock goes on with what was left of its second, so that pausing often gains nothing.
  if (clockTimer_.isActive() && secondLeft_ >= 0) clockTimer_.start(std::clamp(secondLeft_, 1, clockInterval_));
  secondLeft_ = -1;
  focusField();
}

void GameMenu::wayCommand(bool shown) {
  window_.command([shown](GameSession& session) { return session.showWay(shown); });
}

void GameMenu::codeCommand() {
  const std::optional<std::string> code = window_.session().mazeCode();
  if (!code) return;
  MazeCodeWindow window(QString::fromStdString(*code), &window_);
  modals_.run(window);
}

void GameMenu::fromCodeCommand() {
  CodeEntryDialog dialog(services_.messages, &window_);
  modals_.run(dialog);
  const std::optional<MazeCode> code = dialog.code();
  if (!code || !window_.completePictures()) return;
  window_.startNewMaze({code->roomsAcross, code->roomsDown, std::nullopt}, code->seedText);
}

void GameMenu::enterBestTime(const GameResult& result) {
  if (folders_.userData.empty()) return;
  const std::string path = userFile(bestTimesFileName);
  BestTimes table = readBestTimes(path);
  const std::optional<BestTimePlace> place = kvarnel::enterBestTime(table, result);
  if (!place) return;
  writeBestTimes(path, table); // a failure is silent: the window still shows the new time
  showBestTimes(table, place);
}

void GameMenu::showBestTimes(const BestTimes& table, std::optional<BestTimePlace> mark) {
  BestTimesWindow window(table, mark, &window_);
  modals_.run(window);
}

// Opens the kept maze as "Открыть" would, its file not becoming the current one, and forgets it.
void GameMenu::resumeCommand() {
  const std::string path = userFile(keptGameFileName);
  std::optional<Maze> maze = readMazeOrSay(path, services_.messages);
  if (maze && !window_.completePictures()) return;
  std::error_code error;
  std::filesystem::remove(path, error);
  keptGame_ = false;
  if (maze) window_.playOpenedMaze(std::move(*maze), {});
  follow();
}

void GameMenu::keepGameForLater() {
  const GameSession& session = window_.session();
  if (folders_.userData.empty() || !session.keptAtExit()) return;
  // Silent on failure: leaving the game must not stop at a message.
  writeFileAtomically(userFile(keptGameFileName), composeMazeFile(session.maze()), TargetKind::OwnFile);
}

void GameMenu::focusField() {
  if (viewport_.field().isEnabled()) viewport_.field().setFocus();
}

// Nothing without a data folder: never a file of that name wherever the game was started.
std::string GameMenu::userFile(const char* name) const {
  return folders_.userData.empty() ? std::string() : folders_.userData + name;
}

bool GameMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers();
    const std::optional<WalkKey> walk =
        walkKeyOf(static_cast<std::uint32_t>(key->key()), held.testFlag(Qt::ShiftModifier),
                  (held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != Qt::NoModifier);
    if (walk) {
      window_.command([walk](GameSession& session) { return session.walkKey(*walk); });
      return true;
    }
  } else if (watched == &window_ && event->type() == QEvent::WindowActivate) {
    focusField();
  }
  return QObject::eventFilter(watched, event);
}

} // namespace kvarnel
